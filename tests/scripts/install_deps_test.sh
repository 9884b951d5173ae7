#!/usr/bin/env bash
# scripts/install-deps as an ordinary user meets it, against a fake dpkg-query and apt-get:
# without sudo it names what to run as root and fails; with nothing missing it says nothing; with
# sudo it shows a progress line and keeps apt's output in its log, unless apt fails.
# Usage: install_deps_test.sh <scripts/install-deps>
set -euo pipefail
script=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"

# The script is run from a copy, so that a user without rights to the checkout can read it and
# write its log beside it.
mkdir -p "$work/repo/scripts" "$work/fake" "$work/tools"
cp "$script" "$work/repo/scripts/install-deps"
chmod -R a+rwX "$work/repo"

# The tools the script needs, and nothing else: a PATH without sudo.
for tool in bash env id sort grep dirname mkdir tail cat sed seq; do
    ln -s "$(command -v "$tool")" "$work/tools/$tool"
done
cat >"$work/fake/dpkg-query" <<'FAKE'
#!/bin/bash
grep -qx "${!#}" "$FAKE_DIR/missing" && exit 1 || printf 'install ok installed'
FAKE
cat >"$work/fake/apt-get" <<'FAKE'
#!/bin/bash
echo "apt-get $*" >>"$FAKE_DIR/calls"
[ "$1" = update ] && exit 0
for i in $(seq 900); do echo "Selecting previously unselected package number $i."; done
echo "pmstatus:qt6-base-dev:50:Installing qt6-base-dev" >&3
[ "${FAKE_APT_FAILS:-}" = 1 ] && { echo "E: Unable to locate package qt6-base-dev" >&2; exit 100; }
exit 0
FAKE
cat >"$work/fake/sudo" <<'FAKE'
#!/bin/bash
echo sudo >>"$FAKE_DIR/calls"
exec "$@"
FAKE
chmod 755 "$work/fake/"*

as_user=()
[ "$(id -u)" -eq 0 ] && as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)

failures=0
# name | sudo on PATH | packages missing | apt fails | exit status | in the output | calls
check_case() {
    local name=$1 with_sudo=$2 missing=$3 apt_fails=$4 status=$5 expected=$6 calls=$7
    local fake="$work/case-$name"
    mkdir -p "$fake/bin"
    cp "$work/fake/dpkg-query" "$work/fake/apt-get" "$fake/bin/"
    [ "$with_sudo" = yes ] && cp "$work/fake/sudo" "$fake/bin/"
    printf '%s\n' $missing >"$fake/missing"
    : >"$fake/calls"
    chmod -R a+rwX "$fake"
    rm -f "$work/repo/build/install-deps.log"
    local output got=0
    output=$("${as_user[@]}" env -i PATH="$fake/bin:$work/tools" FAKE_DIR="$fake" \
        FAKE_APT_FAILS="$apt_fails" bash "$work/repo/scripts/install-deps" run 2>&1) || got=$?
    local problems=()
    [ "$got" -eq "$status" ] || problems+=("exit status $got, not $status")
    [ -z "$expected" ] || grep -qF -- "$expected" <<<"$output" || problems+=("no \"$expected\"")
    [ -n "$expected" ] || [ -z "$output" ] || problems+=("it printed something")
    [ "$(wc -l <<<"$output")" -le 45 ] || problems+=("$(wc -l <<<"$output") lines on the screen")
    [ "$(tr '\n' ' ' <"$fake/calls")" = "$calls" ] || problems+=("calls: $(tr '\n' ' ' <"$fake/calls")")
    if [ ${#problems[@]} -gt 0 ]; then
        failures=$((failures + 1))
        printf 'FAIL %s: %s\n--- output:\n%s\n---\n' "$name" "${problems[*]}" "$output"
    else
        echo "ok   $name"
    fi
}

check_case no-sudo-missing  no  "qt6-base-dev fontconfig" "" 1 \
    "apt-get update && apt-get install -y --no-install-recommends fontconfig qt6-base-dev" ""
check_case no-sudo-complete no  "" "" 0 "" ""
check_case sudo-installs    yes "qt6-base-dev" "" 0 "Installed what was missing." \
    "sudo apt-get update -qq sudo apt-get install -y -qq --no-install-recommends -o APT::Status-Fd=3 qt6-base-dev "
check_case sudo-apt-fails   yes "qt6-base-dev" 1 1 "E: Unable to locate package qt6-base-dev" \
    "sudo apt-get update -qq sudo apt-get install -y -qq --no-install-recommends -o APT::Status-Fd=3 qt6-base-dev "

# The log keeps what apt printed.
grep -q "number 900" "$work/repo/build/install-deps.log" || { echo "FAIL: the log lacks apt's output"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ]
