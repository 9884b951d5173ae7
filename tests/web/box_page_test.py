#!/usr/bin/python3
"""The box page in a real browser: headless Chromium from Debian, driven by selenium with real key
and touch events, against what `kantrix-cli kasten` shows and writes.

Usage: box_page_test.py SITE CLI
  SITE  the assembled site (build-web/site)
  CLI   kantrix-cli, whose `kasten` answer and files the page must give to the byte
Prints one line per failure and a closing line "N passed, N failed"; exits 1 on any failure.
"""
import json
import os
import subprocess
import sys
import tempfile
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import Select, WebDriverWait

sys.path.insert(0, os.path.dirname(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', '..', 'scripts'))
import profile_page_test as profile_test  # noqa: E402
from page_test import chromium  # noqa: E402
from serve_site import SiteServer  # noqa: E402

SITE, CLI = sys.argv[1:3] if len(sys.argv) >= 3 else (None, None)
profile_test.SITE = SITE
WAIT = 30
SIDES = ['vorne', 'rechts', 'hinten', 'links']

# The worked box of the README: a tray of 300 x 200 x 50, blank 394.244 x 294.244.
WORKED = {'dicke': '1.5', 'radius': '1.5', 'laenge': '300', 'breite': '200', 'hoehe': '50/50/50/50'}
WORKED_LINK = '#dicke=1.5&radius=1.5&laenge=300&breite=200&hoehe=50/50/50/50'
STUMPF = {'dicke': '1.5', 'radius': '1.5', 'laenge': '300', 'breite': '200', 'hoehe': '50/40//40', 'innen': 'hoehe',
          'ecken': 'stumpf', 'durchgehend': 'links-rechts', 'spalt': '0.5', 'freistich': 'rund:4'}
AT_THE_PRESS = {'dicke': '1.5', 'laenge': '300', 'breite': '200', 'hoehe': '50//8/', 'werkstoff': 'S235JR',
                'matrize': '12', 'walzrichtung': 'laengs'}
NO_USER_FILES = {**os.environ, 'XDG_CONFIG_HOME': '/nonexistent', 'HOME': '/nonexistent'}


def native(kind, options, materials=None):
    """The command line's JSON answer (json) or one of its files (dxf, svg, ansicht, kkasten), as bytes."""
    arguments = [CLI, 'kasten'] + [f'--{name}={value}' for name, value in options.items()]
    if materials:
        arguments.append(f'--werkstoffe={materials}')
    if kind == 'json':
        return subprocess.run(arguments + ['--json'], check=True, capture_output=True, env=NO_USER_FILES).stdout
    with tempfile.TemporaryDirectory(prefix='kantrix-cli-') as folder:
        path = os.path.join(folder, 'out')
        option = {'dxf': '--dxf', 'svg': '--svg', 'ansicht': '--ansicht', 'kkasten': '--speichern'}[kind]
        subprocess.run(arguments + [option, path], check=True, capture_output=True, env=NO_USER_FILES)
        return open(path, 'rb').read()


def refusal_of(options):
    """The command line's message for options it refuses."""
    arguments = [CLI, 'kasten'] + [f'--{name}={value}' for name, value in options.items()]
    run = subprocess.run(arguments, capture_output=True, text=True, env=NO_USER_FILES)
    assert run.returncode != 0, options
    return run.stderr.strip()


def link_of(options):
    return '#' + '&'.join(f'{name}={value}' for name, value in options.items())


SHOWN = """
const named = (name) => document.querySelector(`[aria-label="${name}"]`);
const text = (name) => named(name) ? named(name).textContent : null;
const walls = {};
for (const side of arguments[0])
  if (named(`Biegelinie Wand ${side}, Millimeter`))
    walls[side] = [`Biegelinie Wand ${side}, Millimeter`, `Kraft Wand ${side}, Kilonewton`,
                   `Kleinster Schenkel an Wand ${side}, Millimeter`, `Einstellwinkel Wand ${side}, Grad`].map(text);
return {blank: [text('Zuschnitt Länge, Millimeter'), text('Zuschnitt Breite, Millimeter')],
        area: text('Fläche, Quadratmillimeter'), mass: text('Masse, Kilogramm'), force: text('Größte Kraft, Kilonewton'),
        walls, notes: [...document.querySelectorAll('#Hinweise li')].map((li) => li.textContent),
        warned: [...document.querySelectorAll('input.warned')].map((e) => e.getAttribute('aria-label')),
        current: !document.getElementById('Ergebnis').classList.contains('not-current')};
"""


def expected(options, materials=None, warned=()):
    answer = json.loads(native('json', options, materials))
    press = any(name in options for name in ['werkstoff', 'matrize', 'presse', 'walzrichtung'])

    def text(number):
        return number['text'] if number else '–'

    blank = answer['zuschnitt']
    return {'blank': [blank['laenge']['text'], blank['breite']['text']], 'area': blank['flaeche']['text'],
            'mass': text(blank['masse']), 'force': text(answer['kraft_max']),
            'walls': {side: [wall['biegelinie']['text']] + ([text(wall['kraft']), text(wall['kleinster_schenkel']),
                                                              text(wall['winkel_eingestellt'])] if press else [None] * 3)
                      for side, wall in answer['waende'].items()},
            'notes': answer['hinweise'] or ['Keine.'], 'warned': [f'Höhe Wand {side}, Millimeter' for side in warned],
            'current': True}


class BoxPage(profile_test.ProfilePage):
    """The profile page's fixture, on the box page."""

    def open(self, fragment=''):
        self.driver.get(self.server.address + 'kasten.html' + fragment)
        self.wait_ready()

    def shown(self):
        return self.driver.execute_script(SHOWN, SIDES)

    def hash(self):
        return self.driver.execute_script('return location.hash')


class Entry(BoxPage):
    def test_the_worked_box_typed_from_an_empty_page(self):
        self.phone()
        self.open()
        self.assertEqual(self.refusals(), ['Blechdicke s fehlt noch.'])
        # Reached by taps, filled by keys; a comma as a person types it.
        for name, text in [('Blechdicke s, Millimeter', '1,5'), ('Biegeradius r, Millimeter', '1.5'),
                           ('Länge A, Millimeter', '300'), ('Breite B, Millimeter', '200')] + [
                               (f'Höhe Wand {side}, Millimeter', '50') for side in SIDES]:
            self.tap_and_type(name, text)
        self.assertEqual(self.shown(), expected(WORKED))
        self.assertEqual(self.shown()['blank'], ['394.244', '294.244'])
        self.assertEqual(self.hash(), WORKED_LINK)
        self.assertEqual(self.driver.execute_script(profile_test.LAYOUT)['scroll'], 0)
        self.assertEqual(self.errors(), [])

    def test_a_refused_height_is_shown_at_its_field_and_the_last_results_stay(self):
        self.open(WORKED_LINK)
        before = self.shown()
        height = 'Höhe Wand vorne, Millimeter'
        # (typed into the front wall's height, the start of the refusal shown, results current after it)
        # Every text on the way to each refused one is refused too, so the worked box's results stay.
        for typed, refused, current in [('abc', 'Ungültiger Wert „abc“ für Höhe H der Wand vorne', False),
                                        ('x/0', 'Höhe der Wand vorne: „/“', False),
                                        ('-1', refusal_of({**WORKED, 'hoehe': '-1/50/50/50'}), False),
                                        ('', None, True), ('50', None, True)]:
            with self.subTest(typed=typed):
                self.type_into(height, typed)
                self.assertEqual(self.find(height).get_attribute('value'), typed, 'kept as typed')
                shown = self.shown()
                self.assertEqual(shown['current'], current)
                self.assertEqual(self.driver.find_element(By.ID, 'DxfLaden').is_enabled(), current)
                if refused:
                    self.assertEqual({k: shown[k] for k in ('blank', 'walls')}, {k: before[k] for k in ('blank', 'walls')})
                    [message] = self.refusals()
                    self.assertTrue(message.startswith(refused), message)
                    self.assertEqual(self.find(height).get_attribute('aria-invalid'), 'true')
                    self.assertEqual(self.hash(), WORKED_LINK)
                else:
                    self.assertEqual(self.refusals(), [])
        # An empty height is no wall: the box of three walls came between.
        self.assertEqual(self.shown(), before)


# How a box arrives by its link: (name, fragment, the options it stands for and the walls marked as
# too low for the die, or the start of what the page says)
LINKS = [
    ('one height for all four', '#dicke=1.5&radius=1.5&laenge=300&breite=200&hoehe=50', (WORKED, ())),
    ('stumpf corners', link_of(STUMPF), (STUMPF, ())),
    ('at the press brake', link_of(AT_THE_PRESS), (AT_THE_PRESS, ('hinten',))),
    ('decimal comma', '#dicke=1,5&radius=1.5&laenge=300&breite=200&hoehe=50', (WORKED, ())),
    ("the profile's key", '#dicke=1.5&radius=1.5&laenge=300&breite=200&hoehe=50&schenkel=50/100',
     'Der Link beschreibt keinen gültigen Kasten: Der Link enthält die unbekannte Angabe „schenkel“.'),
    ('a key twice', '#dicke=1.5&hoehe=50&hoehe=60', 'Der Link beschreibt keinen gültigen Kasten: Der Link enthält '
     'die Angabe „hoehe“ zweimal.'),
    ('broken coding', '#dicke=%E0%A4%A&radius=1.5', 'Der Link beschreibt keinen gültigen Kasten: Die Angabe „dicke“ im '
     'Link ist falsch kodiert.'),
    ('markup as a value', '#dicke=<img src=x onerror=alert(1)>&radius=1.5&laenge=300&breite=200&hoehe=50',
     'Der Link beschreibt keinen gültigen Kasten: Ungültiger Wert „<img src=x onerror=alert(1)>“'),
    ('two heights', '#dicke=1.5&radius=1.5&laenge=300&breite=200&hoehe=50/50', 'Der Link beschreibt keinen gültigen '
     'Kasten: --hoehe nennt die Höhen vorne/rechts/hinten/links oder eine für alle vier, angegeben sind 2'),
]


class Links(BoxPage):
    def test_a_link_opens_its_box_or_says_why_not(self):
        for name, fragment, wanted in LINKS:
            with self.subTest(name):
                self.open('')
                self.open(fragment)
                if isinstance(wanted, tuple):
                    options, warned = wanted
                    self.assertEqual((self.shown(), self.refusals()), (expected(options, warned=warned), []))
                    # The link the page writes is the same box again, in a fresh load.
                    link = self.hash()
                    self.driver.refresh()
                    self.wait_ready()
                    self.assertEqual((self.shown(), self.hash()), (expected(options, warned=warned), link))
                else:
                    message = self.driver.find_element(By.ID, 'LinkMeldung')
                    self.assertTrue(message.is_displayed())
                    self.assertTrue(message.text.startswith(wanted), message.text)
                    # An empty box that takes typing.
                    self.assertEqual(self.find('Blechdicke s, Millimeter').get_attribute('value'), '')
                    self.type_into('Blechdicke s, Millimeter', '2')
                    self.assertEqual(self.refusals()[-1], 'Biegeradius r fehlt noch.')
        self.assertEqual([e for e in self.errors() if 'favicon' not in e], [])

    def test_the_pages_link_to_each_other(self):
        # (page, the link followed, the page it leads to)
        for start, text, target in [('', 'Kasten und Wanne', 'kasten.html'), ('profil.html', 'Kasten', 'kasten.html'),
                                    ('kasten.html', 'Profil', 'profil.html'), ('kasten.html', 'Eine Biegung', 'index.html')]:
            with self.subTest(f'{start} {text}'):
                self.driver.get(self.server.address + start)
                self.wait_ready()
                self.driver.find_element(By.LINK_TEXT, text).click()
                self.wait_ready()
                self.assertEqual(self.driver.current_url, self.server.address + target)

    def test_a_test_bend_of_the_profile_page_counts_for_the_box(self):
        self.open()
        self.driver.execute_script('localStorage.setItem("kantrix-werkstoffe", arguments[0])', profile_test.OWN_MATERIALS)
        options = {**AT_THE_PRESS, 'werkstoff': 'Hardox 450', 'matrize': '16'}
        self.open(link_of(options).replace(' ', '%20'))
        self.driver.refresh()
        self.wait_ready()
        materials = os.path.join(self.profile.name, 'werkstoffe.json')
        open(materials, 'w', encoding='utf-8').write(profile_test.OWN_MATERIALS)
        self.assertEqual(self.shown(), expected(options, materials, warned=('hinten',)))
        self.assertIn('werkstoffdaten=', self.hash())


class Files(BoxPage):
    def test_the_downloads_are_the_command_lines_bytes_and_the_box_file_opens(self):
        options = {**STUMPF, 'radius': None, **AT_THE_PRESS, 'hoehe': STUMPF['hoehe']}
        del options['radius']
        self.open(link_of(options))
        shown = self.shown()
        name = 'Kasten 300x200x50-40--40'
        # (button, file name, native kind)
        for button, file_name, kind in [('DxfLaden', f'{name}.dxf', 'dxf'), ('SvgLaden', f'{name}.svg', 'svg'),
                                        ('AnsichtLaden', f'{name} Ansicht.svg', 'ansicht'),
                                        ('Speichern', f'{name}.kkasten', 'kkasten')]:
            with self.subTest(file_name):
                self.driver.find_element(By.ID, button).click()
                self.assertEqual(self.downloaded(file_name), native(kind, options))
        self.open()
        self.driver.find_element(By.ID, 'Datei').send_keys(os.path.join(self.downloads, f'{name}.kkasten'))
        WebDriverWait(self.driver, WAIT).until(lambda d: 'geöffnet' in d.find_element(By.ID, 'Dateimeldung').text)
        self.assertEqual(self.shown(), shown)
        self.assertEqual(Select(self.find('Ecken')).first_selected_option.text, 'stumpf')


    def test_a_box_file_that_cannot_be_opened_is_named_and_changes_nothing(self):
        mixed = json.loads(native('kkasten', WORKED))
        mixed['waende']['vorne']['mass'] = 'innen'
        # (file name, its text, the start of the message)
        for name, text, said in [
                ('kaputt.kkasten', '{"format": "kantrix-kasten", "version": 1,', 'Die Kastendatei „kaputt.kkasten“'),
                ('gemischt.kkasten', json.dumps(mixed), 'Die Kastendatei „gemischt.kkasten“ wird hier nicht geöffnet')]:
            with self.subTest(name):
                self.open(WORKED_LINK)
                path = os.path.join(self.profile.name, name)
                open(path, 'w', encoding='utf-8').write(text)
                self.driver.find_element(By.ID, 'Datei').send_keys(path)
                WebDriverWait(self.driver, WAIT).until(
                    lambda d: d.find_element(By.ID, 'Dateimeldung').text.startswith(said))
                self.assertEqual((self.shown(), self.hash()), (expected(WORKED), WORKED_LINK))


class Offline(BoxPage):
    def test_the_box_page_reloads_with_the_server_stopped(self):
        self.open(WORKED_LINK)
        self.driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            navigator.serviceWorker.ready.then(() => {
              if (navigator.serviceWorker.controller) done();
              else navigator.serviceWorker.addEventListener('controllerchange', () => done());
            });""")
        self.stop_server()
        self.driver.refresh()
        self.wait_ready()
        self.assertEqual(self.shown(), expected(WORKED))


class Layout(BoxPage):
    def test_nothing_clipped_and_no_sideways_scroll_on_a_phone_and_a_desktop(self):
        for width, height in [(360, 640), (1280, 900)]:
            with self.subTest(width=width):
                self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
                    'width': width, 'height': height, 'deviceScaleFactor': 1, 'mobile': width < 600})
                self.open(link_of({**STUMPF, 'werkstoff': 'S235JR', 'presse': '200'}))
                layout = self.driver.execute_script(profile_test.LAYOUT)
                self.assertEqual({k: layout[k] for k in ('scroll', 'clipped', 'small', 'tinyText')},
                                 {'scroll': 0, 'clipped': [], 'small': [], 'tinyText': []})


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    suite = unittest.defaultTestLoader.loadTestsFromModule(sys.modules[__name__])
    if os.environ.get('PAGE_TESTS'):  # a class name, to run only its tests
        suite = unittest.defaultTestLoader.loadTestsFromName(os.environ['PAGE_TESTS'], sys.modules[__name__])
    result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
    failed = len(result.failures) + len(result.errors)
    passed = result.testsRun - failed - len(result.skipped)
    print(f'{passed} passed, {failed} failed')
    return 0 if failed == 0 and result.testsRun > 0 else 1


if __name__ == '__main__':
    sys.exit(main())
