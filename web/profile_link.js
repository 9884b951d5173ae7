// The link is the part: the URL fragment holds the profile in the command line's option names
// ("#dicke=2&radius=2&schenkel=50/100/50&winkel=90/90&richtung=+/-&breite=300&werkstoff=S235JR").
// A material that is not the built-in one as Kantrix knows it (the user's own, or one with test
// bends) goes along as "werkstoffdaten", a materials file of that one material, so that the part
// computes the same in another browser. The fragment is read here into option texts and written
// from them; whether the texts make a profile is the library's decision. The box page's link is
// read and written the same way, with the names of its options.

export const optionNames = ['dicke', 'radius', 'schenkel', 'winkel', 'radien', 'innen', 'richtung', 'breite',
  'werkstoff', 'matrize', 'presse', 'walzrichtung'];
const linkNames = [...optionNames, 'werkstoffdaten'];

// "/" and "+" stand as they are, so that a link reads like the command line.
function encoded(text) {
  return encodeURIComponent(text).replace(/%2F/g, '/').replace(/%2B/g, '+');
}

// The options of a fragment ("#dicke=2&..."), {options} or {message}; an empty fragment gives
// {options: null}. `names` are those a link may hold, in the order it is written.
export function optionsOfFragment(fragment, names = linkNames) {
  const text = fragment.startsWith('#') ? fragment.slice(1) : fragment;
  if (text === '')
    return { options: null };
  const options = {};
  for (const part of text.split('&')) {
    const equals = part.indexOf('=');
    const name = equals < 0 ? part : part.slice(0, equals);
    if (!names.includes(name))
      return { message: `Der Link enthält die unbekannte Angabe „${name}“.` };
    if (name in options)
      return { message: `Der Link enthält die Angabe „${name}“ zweimal.` };
    let value;
    try {
      value = decodeURIComponent(equals < 0 ? '' : part.slice(equals + 1));
    } catch {
      return { message: `Die Angabe „${name}“ im Link ist falsch kodiert.` };
    }
    options[name] = value;
  }
  return { options };
}

// The fragment of the options, in the command line's order, without the ones left out or empty
// (the radius, with a die).
export function fragmentOf(options, names = linkNames) {
  return '#' + names.filter((name) => options[name] !== undefined && options[name] !== null && options[name] !== '')
    .map((name) => `${name}=${encoded(options[name])}`).join('&');
}
