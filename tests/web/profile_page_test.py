#!/usr/bin/python3
"""The profile page in a real browser: headless Chromium from Debian, driven by selenium with real
key, mouse and touch events, against what the command line shows and writes.

Usage: profile_page_test.py SITE CLI EXPECTATIONS
  SITE          the assembled site (build-web/site)
  CLI           kantrix-cli, whose `profil` answer and files the page must give to the byte
  EXPECTATIONS  the native program that prints the link's fragment of a profile
                (kantrix_profile_expectations)
Prints one line per failure and a closing line "N passed, N failed"; exits 1 on any failure.
"""
import base64
import json
import os
import subprocess
import sys
import tempfile
import time
import unittest

import ezdxf
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

sys.path.insert(0, os.path.dirname(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', '..', 'scripts'))
from page_test import chromium  # noqa: E402
from serve_site import SiteServer  # noqa: E402

SITE, CLI, EXPECTATIONS = sys.argv[1:4] if len(sys.argv) >= 4 else (None, None, None)
WAIT = 30

U_CHANNEL = {'dicke': '2', 'radius': '2', 'schenkel': '50/100/50', 'winkel': '90/90', 'breite': '300'}
Z_PROFILE = {**U_CHANNEL, 'richtung': '+/-'}
Z_LINK = '#dicke=2&radius=2&schenkel=50/100/50&winkel=90/90&richtung=+/-&breite=300'
HAT = {'dicke': '1.5', 'radius': '3', 'schenkel': '20/30/40/30/20', 'winkel': '90/120/120/90',
       'radien': '/4//', 'innen': '3', 'richtung': '+/-/-/+'}


# The command line reads the user's materials file only where a test names one (--werkstoffe).
NO_USER_FILES = {**os.environ, 'XDG_CONFIG_HOME': '/nonexistent', 'HOME': '/nonexistent'}


def native(kind, options):
    """The command line's answer (json), one of its files (dxf, svg, kprofil), or the fragment of
    the library's link (link), as bytes."""
    if kind == 'link':
        arguments = [EXPECTATIONS] + [f'{name}={value}' for name, value in options.items()]
        return subprocess.run(arguments, check=True, capture_output=True).stdout
    arguments = [CLI, 'profil'] + [f'--{name}={value}' for name, value in options.items()]
    if kind == 'json':
        return subprocess.run(arguments + ['--json'], check=True, capture_output=True, env=NO_USER_FILES).stdout
    with tempfile.TemporaryDirectory(prefix='kantrix-cli-') as folder:
        path = os.path.join(folder, 'out')
        option = {'dxf': '--dxf', 'svg': '--svg', 'kprofil': '--speichern'}[kind]
        subprocess.run(arguments + [option, path], check=True, capture_output=True, env=NO_USER_FILES)
        return open(path, 'rb').read()


def by_name(name):
    return (By.CSS_SELECTOR, f'[aria-label="{name}"]')


class ProfilePage(unittest.TestCase):
    """A fresh browser profile per test, the site served from a port of its own."""

    def setUp(self):
        self.server = SiteServer(SITE)
        self.addCleanup(self.stop_server)
        self.profile = tempfile.TemporaryDirectory(prefix='kantrix-chromium-')
        self.addCleanup(self.profile.cleanup)
        self.driver = chromium(self.profile.name, '1280,900')
        self.addCleanup(self.driver.quit)
        self.downloads = os.path.join(self.profile.name, 'downloads')
        self.driver.execute_cdp_cmd('Browser.setDownloadBehavior', {'behavior': 'allow', 'downloadPath': self.downloads})

    def stop_server(self):
        if self.server:
            self.server.stop()
            self.server = None

    def open(self, fragment=''):
        self.driver.get(self.server.address + 'profil.html' + fragment)
        self.wait_ready()

    def wait_ready(self):
        WebDriverWait(self.driver, WAIT).until(
            lambda d: d.execute_script('return document.documentElement.dataset.ready') == 'true')

    def find(self, name):
        return self.driver.find_element(*by_name(name))

    def text(self, name):
        return self.find(name).get_attribute('textContent')

    def type_into(self, name, text):
        field = self.find(name)
        ActionChains(self.driver, duration=0).move_to_element(field).click() \
            .key_down(Keys.CONTROL).send_keys('a').key_up(Keys.CONTROL).send_keys(text or Keys.DELETE).perform()

    def tap(self, element):
        """A finger's tap: touch events at the middle of the element."""
        self.driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': True, 'maxTouchPoints': 1})
        x, y = self.driver.execute_script("""arguments[0].scrollIntoView({block: 'center'});
            const box = arguments[0].getBoundingClientRect(); return [box.x + box.width / 2, box.y + box.height / 2];""",
                                          element)
        for event, points in [('touchStart', [{'x': x, 'y': y}]), ('touchEnd', [])]:
            self.driver.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': event, 'touchPoints': points})

    def phone(self):
        """A phone held upright: 360 CSS pixels wide, touch."""
        self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                                    {'width': 360, 'height': 740, 'deviceScaleFactor': 2, 'mobile': True})
        self.driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': True, 'maxTouchPoints': 1})

    def tap_and_type(self, name, text):
        """A field reached by a tap and filled by real keys; a select's open list picks by typing."""
        field = self.find(name)
        self.tap(field)
        keys = ActionChains(self.driver, duration=0)
        if field.tag_name == 'select':
            keys.send_keys(text, Keys.ENTER)
        else:
            keys.key_down(Keys.CONTROL).send_keys('a').key_up(Keys.CONTROL).send_keys(text or Keys.DELETE)
        keys.perform()

    def shown(self):
        """L, the bend lines and v of every bend, the notes, and whether the results are current."""
        return self.driver.execute_script("""
            const named = (name) => document.querySelector(`[aria-label="${name}"]`);
            const bends = document.querySelectorAll('#Biegungen tbody tr').length;
            const each = (name) => Array.from({length: bends}, (_, i) => named(`${name} ${i + 1}, Millimeter`).textContent);
            return {L: named('Gestreckte Länge L, Millimeter').textContent, lines: each('Biegelinie'), v: each('Verdano v'),
                    notes: [...document.querySelectorAll('#Hinweise li')].map((li) => li.textContent),
                    current: !document.getElementById('Ergebnis').classList.contains('not-current')};""")

    def expected(self, options):
        answer = json.loads(native('json', options))
        return {'L': answer['L']['text'], 'lines': [b['biegelinie']['text'] for b in answer['biegungen']],
                'v': [b['v']['text'] for b in answer['biegungen']], 'notes': answer['hinweise'] or ['Keine.'],
                'current': True}

    def refusals(self):
        return self.driver.execute_script("""return [...document.querySelectorAll('.refusal')]
            .filter((p) => !p.hidden).map((p) => p.textContent);""")

    def downloaded(self, name):
        path = os.path.join(self.downloads, name)
        # Chromium may show the file's name before its bytes are in it: wait for them, and for no
        # download still under way.
        WebDriverWait(self.driver, WAIT).until(
            lambda d: os.path.exists(path) and os.path.getsize(path) > 0
            and not any(n.endswith('.crdownload') for n in os.listdir(self.downloads)))
        return open(path, 'rb').read()

    def errors(self):
        return [e['message'] for e in self.driver.get_log('browser') if e['level'] == 'SEVERE']


class Entry(ProfilePage):
    def test_a_u_channel_typed_from_an_empty_profile(self):
        self.open()
        self.assertEqual(self.text('Gestreckte Länge L, Millimeter'), '–')
        # An empty new part is not an error: it only still lacks its values.
        self.assertEqual(self.refusals(), ['Blechdicke s fehlt noch.'])
        self.assertEqual(self.driver.find_elements(By.CSS_SELECTOR, '[aria-invalid="true"], [role="alert"]:not([hidden])'), [])
        history = self.driver.execute_script('return history.length')
        # A comma and blanks as a person types them; the third leg comes by a tap.
        for name, text in [('Blechdicke s, Millimeter', '2,0'), ('Biegeradius r, Millimeter', ' 2 '),
                           ('Breite W, Millimeter', '300'), ('Schenkel 1, Millimeter', '50'),
                           ('Schenkel 2, Millimeter', '100')]:
            self.type_into(name, text)
        self.tap(self.driver.find_element(By.ID, 'Anfuegen'))
        self.assertEqual(self.driver.switch_to.active_element.get_attribute('aria-label'), 'Schenkel 3, Millimeter')
        self.driver.switch_to.active_element.send_keys('50')
        self.assertEqual(self.find('Öffnungswinkel b 2, Grad').get_attribute('value'), '90')
        self.assertEqual(self.shown(), self.expected(U_CHANNEL))
        self.assertEqual(self.driver.execute_script('return location.hash'), native('link', U_CHANNEL).decode())
        # The second bend turned the other way makes a Z.
        Select(self.find('Richtung von Biegung 2')).select_by_value('-')
        self.assertEqual(self.shown(), self.expected(Z_PROFILE))
        self.assertEqual(self.driver.execute_script('return location.hash'), native('link', Z_PROFILE).decode())
        self.assertEqual(self.driver.execute_script('return history.length'), history, 'no entry per key')
        WebDriverWait(self.driver, WAIT).until(lambda d: d.find_element(By.ID, 'Ansage').get_attribute('textContent')
                                               == f'Gestreckte Länge L = {self.shown()["L"]} mm')
        for name in ['Blechdicke s, Millimeter', 'Biegeradius r, Millimeter', 'Breite W, Millimeter',
                     'Schenkel 1, Millimeter', 'Öffnungswinkel b 1, Grad']:
            self.assertEqual(self.find(name).get_attribute('inputmode'), 'decimal', name)
        self.assertEqual(self.errors(), [])

    def test_a_refused_leg_is_shown_at_its_field_and_the_last_results_stay(self):
        self.open(Z_LINK)
        before = self.shown()
        # (typed into leg 2, refusal shown, results current after it)
        for typed, refused, current in [('3', 'Schenkel 2 ist zu kurz', False), ('1/2', 'Schenkel 2', False),
                                        ('abc', 'Schenkel 2', False), ('100', None, True)]:
            with self.subTest(typed=typed):
                self.type_into('Schenkel 2, Millimeter', typed)
                field = self.find('Schenkel 2, Millimeter')
                self.assertEqual(field.get_attribute('value'), typed, 'kept as typed')
                shown = self.shown()
                self.assertEqual(shown['current'], current)
                self.assertEqual({k: shown[k] for k in ('L', 'lines', 'v')}, {k: before[k] for k in ('L', 'lines', 'v')})
                self.assertEqual(self.driver.find_element(By.ID, 'Stand').is_displayed(), not current)
                if refused:
                    self.assertEqual(len(self.refusals()), 1)
                    self.assertIn(refused, self.refusals()[0])
                    self.assertEqual(field.get_attribute('aria-invalid'), 'true')
                    message = self.driver.find_element(By.ID, field.get_attribute('aria-describedby'))
                    self.assertEqual(message.get_attribute('textContent'), self.refusals()[0])
                    self.assertEqual(self.driver.execute_script('return location.hash'), Z_LINK)
                    self.assertFalse(self.driver.find_element(By.ID, 'DxfLaden').is_enabled())
                else:
                    self.assertEqual(self.refusals(), [])
                    self.assertIsNone(field.get_attribute('aria-invalid'))

    def test_insert_and_remove_keep_legs_and_bends_in_step(self):
        self.open(Z_LINK)
        self.driver.find_element(*by_name('Schenkel vor Schenkel 2 einfügen')).click()
        self.assertEqual(self.driver.switch_to.active_element.get_attribute('aria-label'), 'Schenkel 2, Millimeter')
        self.driver.switch_to.active_element.send_keys('30')
        options = {**U_CHANNEL, 'schenkel': '50/30/100/50', 'winkel': '90/90/90', 'richtung': '+/+/-'}
        self.assertEqual(self.shown(), self.expected(options))
        for leg, left in [(4, '50/30/100'), (1, '30/100')]:
            self.driver.find_element(*by_name(f'Schenkel {leg} entfernen')).click()
            self.assertEqual(self.driver.execute_script('return [...document.querySelectorAll(".leg input")].map((i) => i.value).join("/")'), left)
        self.assertFalse(self.find('Schenkel 1 entfernen').is_enabled(), 'two legs at least')


# How a profile arrives: (name, way, what, the options it must show or the start of its message)
OPENED = [
    ('link', 'link', Z_LINK, Z_PROFILE),
    ('link with every option', 'link', '#dicke=1.5&radius=3&schenkel=20/30/40/30/20&winkel=90/120/120/90'
     '&radien=/4//&innen=3&richtung=+/-/-/+', HAT),
    ('refused link', 'link', '#dicke=2&radius=2&schenkel=50/-1/50&winkel=90/90', 'Der Link beschreibt kein gültiges Profil'),
    ('link with an unknown key', 'link', '#dicke=2&laenge=5', 'Der Link beschreibt kein gültiges Profil'),
    ('file by the picker', 'picker', 'hat', HAT),
    ('file dropped', 'drop', 'hat', HAT),
    ('not a profile file', 'picker', '{"format": "etwas anderes"}', 'kaputt.kprofil'),
]


class Opening(ProfilePage):
    def open_file(self, way, text):
        name = 'Profil.kprofil' if text == 'hat' else 'kaputt.kprofil'
        data = native('kprofil', HAT) if text == 'hat' else text.encode()
        if way == 'picker':
            path = os.path.join(self.profile.name, name)
            open(path, 'wb').write(data)
            self.driver.find_element(By.ID, 'Datei').send_keys(path)
        else:
            self.driver.execute_script("""const transfer = new DataTransfer();
                transfer.items.add(new File([Uint8Array.from(atob(arguments[0]), (c) => c.charCodeAt(0))], arguments[1]));
                for (const type of ['dragover', 'drop'])
                  document.body.dispatchEvent(new DragEvent(type, {dataTransfer: transfer, bubbles: true, cancelable: true}));""",
                                       base64.b64encode(data).decode(), name)

    def test_a_profile_opened_from_a_link_or_a_file(self):
        for name, way, what, expected in OPENED:
            with self.subTest(name):
                self.open(what if way == 'link' else '')
                if way != 'link':
                    self.open_file(way, what)
                    time.sleep(0.3)
                if isinstance(expected, dict):
                    self.assertEqual(self.shown(), self.expected(expected))
                    self.assertEqual(self.refusals(), [])
                    self.assertEqual(self.driver.execute_script('return location.hash'),
                                     native('link', expected).decode())
                elif way == 'link':
                    message = self.driver.find_element(By.ID, 'LinkMeldung')
                    self.assertTrue(message.is_displayed())
                    self.assertTrue(message.text.startswith(expected), message.text)
                    # An empty profile that takes typing.
                    self.assertEqual(self.find('Schenkel 1, Millimeter').get_attribute('value'), '')
                    self.type_into('Blechdicke s, Millimeter', '2')
                    self.assertEqual(self.find('Blechdicke s, Millimeter').get_attribute('value'), '2')
                else:
                    message = self.driver.find_element(By.ID, 'Dateimeldung').text
                    self.assertIn(expected, message)
                    self.assertEqual(self.text('Gestreckte Länge L, Millimeter'), '–')
        self.assertEqual(self.errors(), [])


class Files(ProfilePage):
    def test_the_downloads_are_the_native_librarys_bytes(self):
        self.open(Z_LINK)
        # (button, file name, native kind)
        for button, name, kind in [('DxfLaden', 'Profil Z 50-100-50.dxf', 'dxf'),
                                   ('SvgLaden', 'Profil Z 50-100-50.svg', 'svg'),
                                   ('Speichern', 'Profil Z 50-100-50.kprofil', 'kprofil')]:
            with self.subTest(name):
                self.driver.find_element(By.ID, button).click()
                self.assertEqual(self.downloaded(name), native(kind, Z_PROFILE))
        blank = ezdxf.readfile(os.path.join(self.downloads, 'Profil Z 50-100-50.dxf'))
        lines = [(line.dxf.layer, round(line.dxf.start.x, 3)) for line in blank.modelspace().query('LINE')]
        shown = self.shown()['lines']
        self.assertEqual(sorted(x for layer, x in lines if layer.startswith('BIEGUNG')), [float(x) for x in shown])
        self.assertEqual([layer for layer, x in lines if layer.startswith('BIEGUNG')], ['BIEGUNG_AUF', 'BIEGUNG_AB'])

    def test_link_kopieren_puts_the_profiles_link_on_the_clipboard(self):
        self.open(Z_LINK)
        self.driver.execute_cdp_cmd('Browser.grantPermissions', {
            'origin': self.server.address.rstrip('/'), 'permissions': ['clipboardReadWrite', 'clipboardSanitizedWrite']})
        self.driver.find_element(By.ID, 'LinkKopieren').click()
        copied = self.driver.execute_async_script(
            'const done = arguments[0]; navigator.clipboard.readText().then(done, (e) => done(String(e)))')
        self.assertEqual(copied, self.server.address + 'profil.html' + Z_LINK)

    def test_the_print_is_one_a4_page_without_buttons(self):
        self.open(Z_LINK)
        pdf = base64.b64decode(self.driver.execute_cdp_cmd('Page.printToPDF', {'preferCSSPageSize': True})['data'])
        self.assertEqual(pdf.count(b'/Type /Page\n') + pdf.count(b'/Type /Page>') + pdf.count(b'/Type /Page/'), 1)
        self.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'media': 'print'})
        self.assertEqual([b.text for b in self.driver.find_elements(By.TAG_NAME, 'button') if b.is_displayed()], [])
        self.assertTrue(self.find('Gestreckte Länge L, Millimeter').is_displayed())


AT_THE_PRESS = {'dicke': '1.5', 'schenkel': '50/100/50', 'winkel': '90/90', 'breite': '1000', 'werkstoff': 'S235JR',
                'matrize': '12'}
PRESS_LINK = ('#dicke=1.5&schenkel=50/100/50&winkel=90/90&breite=1000&werkstoff=S235JR&matrize=12&presse=200'
              '&walzrichtung=laengs')
OWN_MATERIALS = json.dumps({'format': 'kantrix-werkstoffe', 'version': 1, 'werkstoffe': [
    {'name': 'Hardox 450', 'nummer': '1.8714', 'zugfestigkeit': [{'ab': 0, 'min': 1300, 'max': 1500}],
     'radiusfaktor': 0.3, 'mindestradius': {'quer': 2.5, 'laengs': 3}, 'probebiegungen': []}]})


class PressPage(ProfilePage):
    def at_the_press(self):
        """What the page shows of the press brake, each value read by its accessible name."""
        return self.driver.execute_script("""
            const named = (name) => document.querySelector(`[aria-label="${name}"]`);
            const bends = document.querySelectorAll('#Pressdaten tbody tr').length;
            const each = (name) => Array.from({length: bends}, (_, i) => named(name(i + 1)).textContent);
            return {F: named('Größte Kraft, Kilonewton').textContent, force: each((i) => `Kraft Biegung ${i}, Kilonewton`),
                    least: each((i) => `Kleinster Schenkel an Biegung ${i}, Millimeter`),
                    set: each((i) => `Einstellwinkel Biegung ${i}, Grad`), source: each((i) => `Quelle von k ${i}`),
                    warned: [...document.querySelectorAll('.leg input.warned')].map((e) => e.getAttribute('aria-label'))};""")

    def expected_at_the_press(self, options, warned=()):
        answer = json.loads(native('json', options))
        bends = answer['biegungen']

        def text(number):
            return number['text'] if number else '–'

        return {'F': text(answer['kraft_max']), 'force': [text(b['kraft']) for b in bends],
                'least': [text(b['kleinster_schenkel']) for b in bends],
                'set': [text(b['winkel_eingestellt']) for b in bends], 'source': [b['k_quelle'] for b in bends],
                'warned': [f'Schenkel {leg}, Millimeter' for leg in warned]}


class PressBrake(PressPage):
    def test_a_u_channel_in_s235jr_on_a_v12_die_typed_from_empty(self):
        # On a phone: each field, the material and the die reached by a tap, filled by keys.
        self.phone()
        self.open()
        for name, text in [('Blechdicke s, Millimeter', '1,5'), ('Biegeradius r, Millimeter', '3'), ('Werkstoff', 'S235'),
                           ('Matrizenöffnung V, Millimeter', '12'), ('Breite W, Millimeter', '1000'),
                           ('Schenkel 1, Millimeter', '50'), ('Schenkel 2, Millimeter', '100')]:
            self.tap_and_type(name, text)
        self.assertEqual(self.find('Werkstoff').get_attribute('value'), 'S235JR')
        self.tap(self.driver.find_element(By.ID, 'Anfuegen'))
        self.driver.switch_to.active_element.send_keys('50')
        radius = self.find('Biegeradius r, Millimeter')
        self.assertEqual((radius.get_attribute('value'), radius.get_attribute('readonly')), ('1.92', 'true'), 'f × V')
        self.assertEqual(self.at_the_press(), self.expected_at_the_press(AT_THE_PRESS))
        self.assertEqual(json.loads(native('json', AT_THE_PRESS))['biegungen'][0]['kraft_je_meter']['text'], '143.4')
        self.assertEqual(self.shown(), self.expected(AT_THE_PRESS))
        self.assertEqual(self.driver.execute_script('return location.hash'), native('link', AT_THE_PRESS).decode())
        self.assertEqual(self.driver.execute_script(
            "return [...document.querySelectorAll('#Matrizen option')].filter((o) => o.label.endsWith('empfohlen'))"
            ".map((o) => o.value)"), ['12'])
        # Without the die the radius typed before is back.
        self.type_into('Matrizenöffnung V, Millimeter', '')
        self.assertEqual((radius.get_attribute('value'), radius.get_attribute('readonly')), ('3', None))
        self.assertEqual(self.errors(), [])

    def test_links_at_the_press_brake(self):
        # (fragment, the options it stands for, the legs marked as too short for the die)
        for fragment, options, warned in [
                (PRESS_LINK, {**AT_THE_PRESS, 'presse': '200', 'walzrichtung': 'laengs'}, ()),
                ('#dicke=1.5&schenkel=5/100/50&winkel=90/90&werkstoff=1.0038&matrize=12',
                 {**AT_THE_PRESS, 'schenkel': '5/100/50', 'breite': None}, (1,))]:
            options = {k: v for k, v in options.items() if v is not None}
            with self.subTest(fragment):
                self.open(fragment)
                self.assertEqual(self.refusals(), [])
                self.assertEqual([self.find(name).get_attribute('value') for name in [
                    'Werkstoff', 'Matrizenöffnung V, Millimeter', 'Presse, Kilonewton', 'Walzrichtung']],
                    [options['werkstoff'], '12', options.get('presse', ''), options.get('walzrichtung', 'quer')])
                self.assertEqual(self.at_the_press(), self.expected_at_the_press(options, warned))
                self.assertEqual(self.shown(), self.expected(options))

    def test_a_refused_link_shows_the_librarys_message(self):
        for fragment in ['#dicke=1.5&schenkel=50/100&winkel=90&werkstoff=Unobtainium',
                         '#dicke=1.5&schenkel=50/100&winkel=90&matrize=0',
                         '#dicke=1.5&radius=2&schenkel=50/100&winkel=90&matrize=12']:
            with self.subTest(fragment):
                self.open(fragment)
                options = [part.split('=', 1) for part in fragment[1:].split('&')]
                library = subprocess.run([EXPECTATIONS] + [f'{k}={v}' for k, v in options], capture_output=True,
                                         text=True).stderr.strip()
                self.assertTrue(library)
                self.assertEqual(self.driver.find_element(By.ID, 'LinkMeldung').text,
                                 f'Der Link beschreibt kein gültiges Profil: {library}')
                self.assertEqual(self.find('Matrizenöffnung V, Millimeter').get_attribute('value'), '')

    def test_a_link_carries_the_users_own_material_to_a_browser_without_it(self):
        self.open()
        self.driver.execute_script('localStorage.setItem("kantrix-werkstoffe", arguments[0])', OWN_MATERIALS)
        self.open('#dicke=2&schenkel=50/100/50&winkel=90/90&breite=500&werkstoff=Hardox%20450&matrize=16')
        self.driver.refresh()
        self.wait_ready()
        shown, press = self.shown(), self.at_the_press()
        link = self.driver.execute_script('return location.hash')
        self.assertIn('werkstoffdaten=', link)
        self.driver.execute_script('localStorage.clear()')
        self.open(link)
        self.driver.refresh()
        self.wait_ready()
        self.assertEqual((self.shown(), self.at_the_press(), self.refusals()), (shown, press, []))
        self.assertEqual(self.find('Werkstoff').get_attribute('value'), 'Hardox 450')


TEST_BEND = [('Blechdicke s der Probebiegung, Millimeter', '1,5', 'dicke', '1.5'),
             ('Matrizenöffnung V der Probebiegung, Millimeter', '12', 'matrize', '12'),
             ('Öffnungswinkel β gemessen, Grad', '90', 'winkel', '90'),
             ('Winkel βe eingestellt, Grad', '88', 'winkel-eingestellt', '88'),
             ('Zuschnitt L0, Millimeter', '100', 'zuschnitt', '100'),
             ('Schenkel a gemessen, Millimeter', '51.5', None, None),
             ('Schenkel b gemessen, Millimeter', '51.7', 'schenkel', '51.5/51.7')]
PRESS_PART = '#dicke=1.5&schenkel=50/100/50&winkel=90/90&breite=1000&werkstoff=S235JR&matrize=12'


class TestBends(PressPage):
    def test_a_test_bend_entered_exported_and_imported_in_a_fresh_browser(self):
        self.phone()
        self.open(PRESS_PART)
        self.assertEqual(self.at_the_press()['source'], ['DIN 6935', 'DIN 6935'])
        # The form's material shows one from the start, never a blank.
        self.assertEqual(self.find('Werkstoff der Probebiegung').get_attribute('value'), 'S235JR')
        self.tap_and_type('Werkstoff der Probebiegung', 'S235')
        for name, typed, _, _ in TEST_BEND:
            self.type_into(name, typed)
        # (typed into the cut length, the field marked as refused)
        for typed, refused in [('abc', 'Zuschnitt L0, Millimeter'), ('', None), ('100', None)]:
            with self.subTest(zuschnitt=typed):
                self.type_into('Zuschnitt L0, Millimeter', typed)
                invalid = [e.get_attribute('aria-label') for e in self.driver.find_elements(
                    By.CSS_SELECTOR, '#Werkstoffe [aria-invalid="true"]')]
                self.assertEqual(invalid, [refused] if refused else [])
                self.assertEqual(self.driver.find_element(By.ID, 'ProbeEintragen').is_enabled(), typed == '100')
        answer = json.loads(subprocess.run(
            [CLI, 'probebiegung', '--werkstoff=S235JR', '--json'] + [f'--{o}={v}' for _, _, o, v in TEST_BEND if o],
            check=True, capture_output=True, env=NO_USER_FILES).stdout)
        self.assertEqual([self.text(n) for n in ['k gemessen', 'v gemessen, Millimeter', 'k nach DIN 6935']],
                         [answer['k']['text'], answer['v']['text'], answer['k_din']['text']])
        # The springback is a ratio, not an angle.
        self.assertEqual(self.find('Rückfederung K').find_element(By.XPATH, '..').text,
                         f'Rückfederung K = {answer["rueckfederung"]["text"]}')
        self.tap(self.driver.find_element(By.ID, 'ProbeEintragen'))
        stored = self.driver.execute_script('return localStorage.getItem("kantrix-werkstoffe")')
        # The same strip twice counts once, and the page says so.
        self.tap(self.driver.find_element(By.ID, 'ProbeEintragen'))
        self.assertIn('steht schon in „Werkstoffe dieses Browsers“',
                      self.driver.find_element(By.ID, 'Werkstoffmeldung').text)
        self.assertEqual(self.driver.execute_script('return localStorage.getItem("kantrix-werkstoffe")'), stored)
        materials = os.path.join(self.profile.name, 'werkstoffe.json')
        open(materials, 'w', encoding='utf-8').write(stored)
        shown, press = self.shown(), self.at_the_press()
        with_bends = {**AT_THE_PRESS, 'werkstoffe': materials}
        self.assertEqual((shown, press), (self.expected(with_bends), self.expected_at_the_press(with_bends)))
        self.assertEqual(press['source'], ['Probebiegungen', 'Probebiegungen'])
        link = self.driver.execute_script('return location.hash')
        self.driver.find_element(By.ID, 'WerkstoffeExportieren').click()
        self.assertEqual(self.downloaded('werkstoffe.json').decode(), stored)
        self.driver.find_element(By.ID, 'Speichern').click()
        part = os.path.join(self.downloads, 'Profil U 50-100-50.kprofil')
        self.assertEqual(self.downloaded('Profil U 50-100-50.kprofil'), native('kprofil', with_bends))

        # A fresh browser: a broken file changes nothing, the exported one brings the test bend.
        self.driver.quit()
        self.profile = tempfile.TemporaryDirectory(prefix='kantrix-chromium-')
        self.addCleanup(self.profile.cleanup)
        self.driver = chromium(self.profile.name, '1280,900')
        self.addCleanup(self.driver.quit)
        self.open(link)
        self.assertEqual((self.shown(), self.at_the_press()), (shown, press), 'the link carries the material')
        self.open()
        self.driver.find_element(By.ID, 'Datei').send_keys(part)
        WebDriverWait(self.driver, WAIT).until(lambda d: 'geöffnet' in d.find_element(By.ID, 'Dateimeldung').text)
        self.assertEqual((self.shown(), self.at_the_press()), (shown, press), "the part's file carries the material")
        self.open()
        broken = os.path.join(self.profile.name, 'kaputt.json')
        open(broken, 'w').write('{"format": "kantrix-werkstoffe", "version": 1, "werkstoffe": [}')
        for path, stored_after, message in [(broken, None, 'kaputt.json'), (materials, stored, 'übernommen')]:
            self.driver.find_element(By.ID, 'WerkstoffDatei').send_keys(path)
            WebDriverWait(self.driver, WAIT).until(lambda d: message in d.find_element(By.ID, 'Werkstoffmeldung').text)
            self.assertEqual(self.driver.execute_script('return localStorage.getItem("kantrix-werkstoffe")'), stored_after)
        self.open(PRESS_PART)
        self.driver.refresh()
        self.wait_ready()
        self.assertEqual((self.shown(), self.at_the_press()), (shown, press), 'the imported test bend')

        # Another shop's file is merged in: its values win, the browser's test bend stays, and the
        # same file a second time brings nothing twice.
        kept = json.loads(stored)['werkstoffe'][0]
        other_bend = {**kept['probebiegungen'][0], 'zuschnitt': 100.1}
        theirs = {'name': 'S235JR', 'radiusfaktor': 0.17, 'probebiegungen': [other_bend]}
        other = os.path.join(self.profile.name, 'werkstatt.json')
        open(other, 'w', encoding='utf-8').write(json.dumps({**json.loads(OWN_MATERIALS), 'werkstoffe': [
            theirs, *json.loads(OWN_MATERIALS)['werkstoffe']]}))
        merged = [{**kept, 'radiusfaktor': 0.17, 'probebiegungen': kept['probebiegungen'] + [other_bend]},
                  *json.loads(OWN_MATERIALS)['werkstoffe']]
        for message in ['„werkstatt.json“ übernommen: 1 Werkstoff neu, 1 Probebiegung dazu. Bei S235JR gelten jetzt '
                        'die Werte der Datei; die Probebiegungen bleiben.',
                        '„werkstatt.json“ übernommen: 1 Probebiegung war schon da.']:
            self.driver.find_element(By.ID, 'WerkstoffDatei').send_keys(other)
            WebDriverWait(self.driver, WAIT).until(lambda d: d.find_element(By.ID, 'Werkstoffmeldung').text == message)
            self.assertEqual(json.loads(self.driver.execute_script(
                'return localStorage.getItem("kantrix-werkstoffe")'))['werkstoffe'], merged)


def enter_test_bend(page):
    for name, typed, _, _ in TEST_BEND:
        page.type_into(name, typed)
    page.driver.find_element(By.ID, 'ProbeEintragen').click()


STORED = 'return localStorage.getItem("kantrix-werkstoffe")'
# Fills the origin's storage to its last bytes, as a browser that has kept much else.
FILL_STORAGE = """let size = 1 << 22, i = 0;
while (size > 8) { try { localStorage.setItem('voll' + i, 'x'.repeat(size)); i++; } catch { size >>= 1; } }"""


class Memory(PressPage):
    """What the user typed survives a full storage, a stored file the page cannot read, a file
    too large for the module, and a second tab."""

    def test_a_full_storage_keeps_the_test_bend_and_offers_its_export(self):
        self.open(PRESS_PART)
        self.driver.execute_script(FILL_STORAGE)
        enter_test_bend(self)
        message = self.driver.find_element(By.ID, 'Werkstoffmeldung')
        self.assertIn('der Browser speichert die Werkstoffe aber nicht (sein Speicher ist voll)', message.text)
        self.assertIn('refused', message.get_attribute('class'))
        self.assertEqual(self.driver.switch_to.active_element.get_attribute('id'), 'WerkstoffeExportieren')
        self.assertEqual((self.driver.execute_script(STORED), self.at_the_press()['source']),
                         (None, ['Probebiegungen', 'Probebiegungen']), 'counted while the page is open')
        self.driver.find_element(By.ID, 'WerkstoffeExportieren').click()
        [material] = json.loads(self.downloaded('werkstoffe.json'))['werkstoffe']
        self.assertEqual((material['name'], material['probebiegungen'][0]['schenkel']), ('S235JR', [51.5, 51.7]))

    def test_a_stored_file_the_library_cannot_read_is_named_and_kept_until_deleted(self):
        # (what is stored, what the page says of it)
        for stored, said in [('{"format": "kantrix-werkstoffe", "version": 1, "werkstoffe": [}', 'Zeile 1'),
                             ('{"format": "kantrix-werkstoffe", "version": 2, "werkstoffe": []}', 'Version 2')]:
            with self.subTest(said):
                self.open()
                self.driver.execute_script('localStorage.clear(); localStorage.setItem("kantrix-werkstoffe", arguments[0])',
                                           stored)
                for fragment, options in [(Z_LINK, Z_PROFILE), (PRESS_PART, AT_THE_PRESS)]:
                    self.open(fragment)
                    self.driver.refresh()
                    self.wait_ready()
                    self.assertEqual((self.shown(), self.refusals()), (self.expected(options), []), 'usable without it')
                note = self.driver.find_element(By.ID, 'GespeichertMeldung').text
                self.assertTrue(note.startswith('Die Werkstoffdatei „werkstoffe.json“ wird nicht gelesen') and said in note,
                                note)
                enter_test_bend(self)
                self.assertEqual(self.driver.execute_script(STORED), stored, 'never written over')
                self.driver.find_element(By.ID, 'GespeichertExportieren').click()
                self.assertEqual(self.downloaded('werkstoffe.json').decode(), stored)
                os.remove(os.path.join(self.downloads, 'werkstoffe.json'))
                for accept, left in [(False, stored), (True, None)]:
                    self.driver.find_element(By.ID, 'GespeichertLoeschen').click()
                    alert = self.driver.switch_to.alert
                    alert.accept() if accept else alert.dismiss()
                    self.assertEqual(self.driver.execute_script(STORED), left)
                self.assertFalse(self.driver.find_element(By.ID, 'Gespeichert').is_displayed())
                enter_test_bend(self)
                self.assertEqual(self.at_the_press()['source'], ['Probebiegungen', 'Probebiegungen'])

    def test_a_file_too_large_is_refused_and_the_module_stays_alive(self):
        self.open(PRESS_PART)
        own = os.path.join(self.profile.name, 'eigene.json')
        open(own, 'w', encoding='utf-8').write(OWN_MATERIALS)
        mib = 1 << 20
        # (file name, its text's start, its size, the start of what the page says)
        for name, start, size, said in [
                ('zahlen.json', '{"format": "kantrix-werkstoffe", "version": 1, "werkstoffe": [', 15 * mib,
                 'Die Werkstoffdatei „zahlen.json“ wird nicht gelesen'),
                ('gross.json', '', 40 * mib, 'Die Werkstoffdatei „gross.json“ wird nicht gelesen: sie ist mit'),
                ('riesig.json', '', 64 * mib + 1, 'Die Datei „riesig.json“ wird nicht gelesen: sie ist größer als 64 MiB')]:
            with self.subTest(name):
                path = os.path.join(self.profile.name, name)
                with open(path, 'w') as file:
                    file.write(start + '0,' * ((size - len(start)) // 2) + '0' * ((size - len(start)) % 2))
                for chosen, message in [(path, said), (own, '„eigene.json“ übernommen')]:
                    self.driver.find_element(By.ID, 'WerkstoffDatei').send_keys(chosen)
                    WebDriverWait(self.driver, WAIT).until(
                        lambda d: d.find_element(By.ID, 'Werkstoffmeldung').text.startswith(message))
                os.remove(path)
                self.driver.execute_script('localStorage.clear()')
        self.assertEqual([e for e in self.errors() if 'Aborted' in e], [])

    def test_a_test_bend_entered_in_another_tab_counts_at_once(self):
        self.open(PRESS_PART)
        first = self.driver.current_window_handle
        self.driver.switch_to.new_window('tab')
        self.open(PRESS_PART)
        enter_test_bend(self)
        self.driver.switch_to.window(first)
        WebDriverWait(self.driver, WAIT).until(lambda d: self.at_the_press()['source'] == ['Probebiegungen'] * 2)

    def test_a_link_with_other_values_of_a_built_in_material_says_so(self):
        self.open()
        own = {'name': 'S235JR', 'radiusfaktor': 0.17, 'probebiegungen': []}
        self.driver.execute_script('localStorage.setItem("kantrix-werkstoffe", arguments[0])',
                                   json.dumps({**json.loads(OWN_MATERIALS), 'werkstoffe': [own]}))
        self.open(PRESS_PART)
        self.driver.refresh()
        self.wait_ready()
        link = self.driver.execute_script('return location.hash')
        self.driver.execute_script('localStorage.clear()')
        # (link, the note under the material)
        for fragment, note in [(link, 'Die Werte von S235JR weichen von den eingebauten ab (Radiusfaktor f).'),
                               (PRESS_PART, None)]:
            self.open(fragment)
            self.driver.refresh()
            self.wait_ready()
            shown = self.driver.find_element(By.ID, 'Werkstoffhinweis')
            self.assertEqual(shown.text if shown.is_displayed() else None, note)


# Viewports from a phone held upright to a 4K desktop: (width, height)
SIZES = [(360, 640), (412, 915), (768, 1024), (1280, 800), (1920, 1080), (3840, 2160)]

LAYOUT = """
const clipped = [];
// Text only for screen readers is clipped on purpose.
const unseen = (element) => element && (getComputedStyle(element).clipPath !== 'none' || unseen(element.parentElement));
for (const each of document.querySelectorAll('body *')) {
  const style = getComputedStyle(each);
  if (style.display === 'none' || style.visibility === 'hidden' || each.closest('[hidden], svg') || unseen(each))
    continue;
  if (each.scrollWidth > each.clientWidth + 1 && each.clientWidth > 0 && (each.tagName === 'INPUT' || style.overflowX !== 'visible'))
    clipped.push(each.id || each.getAttribute('aria-label') || each.textContent.slice(0, 30));
  const box = each.getBoundingClientRect();
  if (box.width > 0 && (box.right > document.documentElement.clientWidth + 0.5 || box.left < -0.5))
    clipped.push('outside: ' + (each.id || each.tagName + ' ' + each.textContent.slice(0, 30)));
}
const small = [...document.querySelectorAll('button, input:not([type=file]), select, a')]
  .filter((e) => e.offsetParent && !e.closest('.unseen'))
  .filter((e) => { const b = e.getBoundingClientRect(); return b.width < 44 || b.height < 44; })
  .map((e) => e.id || e.getAttribute('aria-label') || e.textContent);
const tinyText = [...document.querySelectorAll('input, select')]
  .filter((e) => parseFloat(getComputedStyle(e).fontSize) < 16).map((e) => e.id);
return {scroll: document.scrollingElement.scrollWidth - document.documentElement.clientWidth, clipped, small, tinyText,
        columns: getComputedStyle(document.querySelector('.sheet')).gridTemplateColumns.split(' ').length};
"""


class Layout(ProfilePage):
    def test_no_clipped_text_and_no_horizontal_scroll_from_a_phone_to_a_4k_desktop(self):
        for width, height in SIZES:
            with self.subTest(size=f'{width}x{height}'):
                self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
                    'width': width, 'height': height, 'deviceScaleFactor': 1, 'mobile': width < 600})
                self.open('#dicke=1.5&schenkel=20/30/40/30/20&winkel=90/120/120/90&richtung=+/-/-/+&breite=1250'
                          '&werkstoff=S235JR&matrize=12&presse=200')
                layout = self.driver.execute_script(LAYOUT)
                self.assertEqual(layout['scroll'], 0)
                self.assertEqual(layout['clipped'], [])
                self.assertEqual(layout['small'], [])
                self.assertEqual(layout['tinyText'], [])
                if width < 600:
                    self.assertEqual(layout['columns'], 1)


    def test_a_long_material_name_keeps_the_press_fields_in_view(self):
        name = 'Feinkornbaustahl für die Kantteile der Baureihe 2026 in einem sehr langen Namen aus der Werkstatt'
        self.open()
        self.driver.execute_script('localStorage.setItem("kantrix-werkstoffe", arguments[0])', json.dumps(
            {**json.loads(OWN_MATERIALS), 'werkstoffe': [{**json.loads(OWN_MATERIALS)['werkstoffe'][0], 'name': name}]}))
        for width, height in [(360, 740), (1280, 900)]:
            with self.subTest(width=width):
                self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
                    'width': width, 'height': height, 'deviceScaleFactor': 1, 'mobile': width < 600})
                self.open(f'#dicke=2&schenkel=50/100/50&winkel=90/90&werkstoff={name}&matrize=16')
                self.driver.refresh()
                self.wait_ready()
                right = self.driver.execute_script("""const section = document.getElementById('Eingabe')
                    .getBoundingClientRect().right; return ['Werkstoff', 'Matrize', 'Presse', 'Walzrichtung']
                    .filter((id) => document.getElementById(id).getBoundingClientRect().right > section);""")
                self.assertEqual((right, self.driver.execute_script(LAYOUT)['scroll']), ([], 0))

    def test_huge_numbers_wrap_and_never_widen_a_phones_page(self):
        self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': 360, 'height': 640, 'deviceScaleFactor': 1, 'mobile': True})
        for fragment in ['#dicke=2&radius=2&schenkel=50/100/50&winkel=90/90&breite=1e16&werkstoff=S235JR',
                         '#dicke=2&radius=2&schenkel=1e308/100/50&winkel=90/90']:
            with self.subTest(fragment):
                self.open(fragment)
                self.assertEqual(self.refusals(), [])
                layout = self.driver.execute_script(LAYOUT)
                self.assertEqual((layout['scroll'], layout['clipped']), (0, []))
        self.assertEqual(self.driver.find_element(By.ID, 'Schnitt').text,
                         'Zu groß, um es hier zu zeichnen; die Dateien enthalten es genau.')
        self.assertEqual(self.errors(), [])


class Offline(ProfilePage):
    def test_the_profile_page_reloads_with_the_server_stopped(self):
        self.open(Z_LINK)
        self.driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            navigator.serviceWorker.ready.then(() => {
              if (navigator.serviceWorker.controller) done();
              else navigator.serviceWorker.addEventListener('controllerchange', () => done());
            });""")
        expected = self.shown()
        self.stop_server()
        self.driver.refresh()
        self.wait_ready()
        self.assertEqual(self.shown(), expected)


class Links(ProfilePage):
    def test_the_bend_page_links_to_the_profile_page_and_back(self):
        # Each page loads its own module alone.
        modules = "return performance.getEntriesByType('resource').map((e) => e.name).filter((n) => n.endsWith('.wasm'))"
        self.driver.get(self.server.address)
        self.wait_ready()
        self.assertEqual(self.driver.execute_script(modules), [self.server.address + 'kantrix.wasm'])
        link = self.driver.find_element(By.LINK_TEXT, 'Profil mit mehreren Biegungen')
        self.assertTrue(link.is_displayed())
        link.click()
        self.wait_ready()
        self.assertTrue(self.driver.current_url.endswith('/profil.html'))
        self.assertEqual(self.driver.execute_script(modules), [self.server.address + 'kantrix_profil.wasm'])
        self.driver.find_element(By.LINK_TEXT, 'Eine Biegung').click()
        self.wait_ready()
        self.assertEqual(self.driver.title.split(' ')[0], 'Kantrix')
        manifest = json.load(open(os.path.join(SITE, 'manifest.webmanifest'), encoding='utf-8'))
        self.assertEqual([s['url'] for s in manifest['shortcuts']], ['profil.html', 'kasten.html'])


def main():
    if len(sys.argv) < 4:
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
