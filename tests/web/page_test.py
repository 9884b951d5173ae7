#!/usr/bin/python3
"""The page in a real browser: headless Chromium from Debian, driven by selenium with real key and
mouse events, against the native core's texts and result bits.

Usage: page_test.py SITE EXPECTATIONS BITS_TABLE [STEPS]
  SITE          the assembled site (build-web/site)
  EXPECTATIONS  the native program that prints what the page must show (kantrix_web_expectations)
  BITS_TABLE    the core's test source whose table of exact result bits the page must reproduce
  STEPS         how many steps of the random session to replay (default: all)
Prints one line per failure and a closing line "N passed, N failed"; exits 1 on any failure.
With PAGE_QUICK=1 (the mutation pass), one browser runs the tests, which stop at the first failure.
"""
import json
import os
import re
import subprocess
import sys
import tempfile
import time
import unittest

from fontTools.ttLib import TTFont
from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', '..', 'scripts'))
from serve_site import SiteServer  # noqa: E402

SITE, EXPECTATIONS, BITS_TABLE = sys.argv[1:4] if len(sys.argv) >= 4 else (None, None, None)
STEPS = sys.argv[4] if len(sys.argv) > 4 else None
# For the mutation pass (PAGE_QUICK=1): one browser for all tests, short waits, a stop at the
# first failure, and the offline reload left to the full run.
QUICK = bool(os.environ.get('PAGE_QUICK'))
WAIT = 10 if QUICK else 30

FIELDS = ['Txt_Radius', 'Txt_Dicke', 'Txt_Beta', 'Txt_Alpha', 'Txt_k', 'Txt_n', 'Txt_v', 'Txt_z',
          'Txt_l(1)', 'Txt_l(2)', 'Txt_l(3)', 'Txt_l(4)', 'Txt_l(5)']

# Everything the page shows and holds, in one round trip, once pending timers have run.
SHOWN = """
const done = arguments[arguments.length - 1];
setTimeout(() => {
  const texts = {};
  for (const field of document.querySelectorAll('input.field'))
    texts[field.id] = field.value;
  const active = document.activeElement;
  done({
    texts,
    focus: active ? active.id : null,
    selection: active && active.tagName === 'INPUT' ? [active.selectionStart, active.selectionEnd, active.value.length] : null,
    vBackColor: Number(document.getElementById('Txt_v').dataset.backColor),
    vBackground: getComputedStyle(document.getElementById('Txt_v')).backgroundColor,
    bits: window.kantrix.stateBits(),
    fault: document.getElementById('FaultMessage').open ? document.getElementById('FaultText').textContent : null,
  });
});
"""


def chromium(user_data_dir, size='469,442'):
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for argument in ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic',
                     '--no-first-run', '--disable-background-networking',
                     '--disable-component-update', '--disable-sync',
                     f'--user-data-dir={user_data_dir}', f'--window-size={size}']:
        options.add_argument(argument)
    options.set_capability('goog:loggingPrefs', {'performance': 'ALL', 'browser': 'ALL'})
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    driver.set_script_timeout(WAIT)
    if QUICK:
        driver.set_page_load_timeout(WAIT)
    return driver


shared_driver = shared_profile = None


def expectations(steps=None):
    arguments = [EXPECTATIONS] + ([str(steps)] if steps is not None else [])
    return json.loads(subprocess.run(arguments, check=True, capture_output=True, text=True).stdout)


def css(colour):
    """An OLE colour (red in the low byte) as the browser reports a background."""
    return f'rgb({colour & 0xff}, {colour >> 8 & 0xff}, {colour >> 16 & 0xff})'


def pinned_bits():
    """The rows of the core's table of exact bits: r, s, beta and the bits of k, v, z and L."""
    source = open(BITS_TABLE, encoding='utf-8').read()
    rows = re.findall(r'ExactBits\{([^}]*)\}', source)
    table = []
    for row in rows:
        cells = [cell.strip() for cell in row.split(',')]
        if len(cells) != 7 or not cells[3].startswith('0x'):
            continue
        numbers = [float(cell) for cell in cells[:3]]
        bits = [format(int(cell.rstrip('uUlL'), 16), '016x') for cell in cells[3:]]
        table.append((numbers, dict(zip(['k', 'v', 'z', 'l5'], bits))))
    return table


class Page(unittest.TestCase):
    """A fresh browser profile per test, the site served from a port of its own."""

    def setUp(self):
        global shared_driver, shared_profile
        self.server = SiteServer(SITE)
        self.addCleanup(self.stop_server)
        if QUICK and shared_driver:
            # Each test's server has a port, and so an origin, of its own: nothing carries over
            # but the emulation settings and the logs.
            self.driver = shared_driver
            self.driver.execute_cdp_cmd('Emulation.clearDeviceMetricsOverride', {})
            self.driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': False})
            self.driver.get_log('performance')
            self.driver.get_log('browser')
        else:
            self.profile = tempfile.TemporaryDirectory(prefix='kantrix-chromium-')
            self.driver = chromium(self.profile.name)
            if QUICK:
                shared_driver, shared_profile = self.driver, self.profile
            else:
                self.addCleanup(self.profile.cleanup)
                self.addCleanup(self.driver.quit)
        self.load()

    def stop_server(self):
        if self.server:
            self.server.stop()
            self.server = None

    def load(self):
        self.driver.get(self.server.address if self.server else self.address)
        self.address = self.driver.current_url
        WebDriverWait(self.driver, WAIT).until(
            lambda d: d.execute_script('return document.documentElement.dataset.ready') == 'true')

    def shown(self):
        return self.driver.execute_async_script(SHOWN)

    def actions(self):
        # Pointer moves at once: selenium's default of 250 ms a move made a session four times
        # as slow, and no rule of the page depends on how fast the pointer moves.
        return ActionChains(self.driver, duration=0)

    def act(self, action, chain=None):
        """Adds the action's key and mouse events to the chain, or performs them at once."""
        now = chain is None
        chain = chain or self.actions()
        if action['do'] == 'tab':
            chain.send_keys(Keys.TAB)
        elif action['do'] == 'backtab':
            chain.key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT)
        elif action['do'] == 'click':
            chain.move_to_element(self.driver.find_element(By.ID, action['on'])).click()
        elif action['do'] == 'type':
            chain.key_down(Keys.CONTROL).send_keys('a').key_up(Keys.CONTROL)
            chain.send_keys(action['text'] or Keys.DELETE)
        if now:
            chain.perform()

    def dismiss_fault(self):
        self.actions().send_keys(Keys.ENTER).perform()

    def expect_shows(self, expected, shown, where):
        self.assertEqual(shown['focus'], expected['focus'], where)
        for field in FIELDS:
            self.assertEqual(shown['texts'][field], expected['texts'][field], f'{where}: {field}')
        self.assertEqual(shown['vBackColor'], expected['vBackColor'], where)
        self.assertEqual(shown['vBackground'], css(expected['vBackColor']), where)

    def errors(self):
        return [e['message'] for e in self.driver.get_log('browser') if e['level'] == 'SEVERE']


# What the form draws of each kind of element and offers the keyboard, the mouse and screen
# readers: text, weight, alignment, read-only, tab index, tooltip, role, accessible name, hidden
# from screen readers, reached by the pointer, border.
FRAME_LINE, FRAME_TITLE = '#Frame2 > :first-child', '#Frame2 > :nth-child(2)'
DRAWN = {
    'Label1': ['Biegeradius r =', '400', 'right', None, -1, '', None, None, 'true', 'auto', 'none'],
    'Label9': [' mm', '400', 'left', None, -1, '', None, None, 'true', 'auto', 'none'],
    'Label26': ['Gestreckte Länge L =', '700', 'right', None, -1, '', None, None, 'true', 'auto', 'none'],
    'Label24': [' mm', '700', 'left', None, -1, '', None, None, 'true', 'auto', 'none'],
    'Txt_l(1)': ['', '400', 'right', False, 0, 'minimale Schenkellänge = 4*r', None,
                 'Schenkellänge a, Millimeter', None, 'auto', 'solid'],
    'Txt_k': ['', '400', 'right', True, -1, '', None, 'Korrekturwert k', None, 'none', 'solid'],
    'Txt_l(5)': ['', '700', 'right', True, -1, '', None, 'Gestreckte Länge L, Millimeter', None, 'none', 'solid'],
    'Picture1': ['', '400', 'start', None, 0, 'Kantrix-Projekt · Musterstraße 1 · 12345 Beispielstadt\n'
                 'kontakt@kantrix.example', 'img', 'Logo des Kantrix-Projekts', None, 'auto', 'solid'],
    'Picture2': ['', '400', 'start', None, -1, '', 'img', 'Skizze der Biegung mit allen Formelzeichen', None,
                 'auto', 'solid'],
    'Frame2': ['', '400', 'start', None, -1, '', 'group', 'Biege-Info', None, 'auto', 'none'],
    FRAME_LINE: ['', '400', 'start', None, -1, '', None, None, None, 'auto', 'solid'],
    FRAME_TITLE: ['Biege-Info', '700', 'start', None, -1, '', None, None, 'true', 'auto', 'none'],
}
# Where the form places a frame, a caption, a field and a picture in its parent, in the window's
# pixels: left, top, width, height.
PLACED = {'Frame2': [8, 8, 289, 121], FRAME_TITLE: [8, 0, 48, 13], 'Label1': [8, 25, 127, 17], 'Txt_Radius': [145, 24, 100, 19],
          'Picture1': [332, 304, 100, 129]}


class StartUp(Page):
    def test_start_up_texts_colour_focus_and_title_are_the_native_ones(self):
        expected = expectations(0)['start']
        shown = self.shown()
        self.expect_shows(expected, shown, 'start-up')
        self.assertEqual(shown['bits'], expected['bits'])
        self.assertEqual(shown['selection'], [0, 4, 4], 'Txt_Radius entered with its text selected')
        self.assertEqual(shown['vBackground'], 'rgb(255, 224, 192)')
        self.assertEqual(self.driver.title, 'Kantrix v2.1 Kantrix-Projekt 2026')
        for field in FIELDS:
            element = self.driver.find_element(By.ID, field)
            self.assertEqual(element.get_attribute('inputmode') == 'decimal',
                             field in ('Txt_Radius', 'Txt_Dicke', 'Txt_Beta', 'Txt_l(1)', 'Txt_l(2)'), field)
            # No suggestions, corrections or capitals from the browser or the phone's keyboard.
            self.assertEqual([element.get_dom_attribute(name) for name in (
                'autocomplete', 'spellcheck', 'autocapitalize', 'autocorrect')], ['off', 'false', 'off', 'off'])
        for field, background in [('Txt_Radius', 'rgb(255, 255, 255)'), ('Txt_k', 'rgb(255, 255, 192)'),
                                  ('Txt_l(5)', 'rgb(255, 224, 192)')]:
            self.assertEqual(self.driver.execute_script(
                'return getComputedStyle(document.getElementById(arguments[0])).backgroundColor', field),
                background, field)
        # scripts/measure-web times the start-up by this mark.
        self.assertEqual(self.driver.execute_script(
            "return performance.getEntriesByName('kantrix-ready').length"), 1)
        self.assertEqual(self.driver.find_element(By.ID, 'Txt_Radius').get_attribute('aria-label'),
                         'Biegeradius r, Millimeter')
        live = self.driver.find_element(By.ID, 'Announcement')
        self.assertEqual(live.get_attribute('aria-live'), 'polite')

    def test_each_kind_of_element_is_drawn_and_offered_as_in_the_window(self):
        drawn = self.driver.execute_script("""return Object.fromEntries(arguments[0].map((id) => {
            const e = document.getElementById(id) ?? document.querySelector(id), style = getComputedStyle(e);
            return [id, [e.children.length ? '' : e.textContent, style.fontWeight, style.textAlign, e.readOnly ?? null,
                         e.tabIndex, e.title, e.getAttribute('role'), e.getAttribute('aria-label'),
                         e.getAttribute('aria-hidden'), style.pointerEvents, style.borderTopStyle]];
            }))""", list(DRAWN))
        self.assertEqual(drawn, DRAWN)
        # The window's colours, and its face loaded from the site.
        self.assertEqual(self.driver.execute_script("""const style = (id) => getComputedStyle(document.getElementById(id));
            return [style('Verdano').backgroundColor, style('Frame2').backgroundColor, style('Label1').color,
                    style('Label1').fontFamily, [...document.fonts].map((face) => `${face.weight} ${face.status}`)];"""),
            ['rgb(192, 192, 255)', 'rgb(240, 240, 240)', 'rgb(0, 0, 192)', '"Liberation Sans Narrow"',
             ['400 loaded', '700 loaded']])
        # The pictures unscaled at the form's scale, as the window draws them, once they arrived
        # (asked for after the first results; an image without its address counts as complete).
        WebDriverWait(self.driver, WAIT).until(lambda d: d.execute_script(
            "return [...document.querySelectorAll('[id^=Picture] img')].every((image) => image.complete && image.naturalWidth)"))
        placed, pictures = self.driver.execute_script("""
            const px = document.getElementById('Verdano').getBoundingClientRect().width
                / Number(getComputedStyle(document.documentElement).getPropertyValue('--form-width'));
            const box = (e) => { const b = e.getBoundingClientRect(), p = e.parentElement.getBoundingClientRect();
                return [b.left - p.left, b.top - p.top, b.width, b.height].map((v) => Math.round(v / px)); };
            return [Object.fromEntries(arguments[0].map((id) => [id, box(document.getElementById(id) ?? document.querySelector(id))])),
                    [...document.querySelectorAll('[id^=Picture] img')].map((image) =>
                        [image.naturalWidth, image.naturalHeight, ...box(image).slice(2)])];""", list(PLACED))
        self.assertEqual(placed, PLACED)
        self.assertEqual([[w, h] for w, h, _, _ in pictures], [[155, 288], [95, 124]])
        self.assertEqual([[w, h] for _, _, w, h in pictures], [[155, 288], [95, 124]])

    def test_the_face_has_a_glyph_for_every_character_the_form_draws(self):
        # The face is cut down when the site is built: what the form shows at start-up and every
        # text of the random session (typed characters included) must still be in both weights.
        drawn = self.driver.execute_script("""return [...document.querySelectorAll('.label, .frame-title')]
            .map((e) => e.textContent).concat([...document.querySelectorAll('input.field')].map((e) => e.value))""")
        drawn += [text for step in expectations()['steps'] for text in step['texts'].values()]
        wanted = {c for text in drawn for c in text if not c.isspace()}
        for weight in ('Regular', 'Bold'):
            face = TTFont(os.path.join(SITE, 'fonts', f'LiberationSansNarrow-{weight}.woff2'))
            self.assertEqual(sorted(c for c in wanted if ord(c) not in face.getBestCmap()), [], weight)

    def test_no_caption_is_clipped_from_phone_to_large_screen(self):
        clipped = """return [...document.querySelectorAll('.label, .frame-title')]
            .filter((label) => label.scrollWidth > label.clientWidth + 0.5 || label.scrollHeight > label.clientHeight + 1)
            .map((label) => label.id || label.textContent);"""
        for width, height in [(360, 640), (412, 915), (1280, 800), (3840, 2160)]:
            self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
                'width': width, 'height': height, 'deviceScaleFactor': 1, 'mobile': width < 500})
            self.assertEqual(self.driver.execute_script(clipped), [], f'{width}x{height}')

    def test_enter_escape_and_tab_with_control_alt_or_meta_run_no_rule(self):
        before = self.shown()
        chain = self.actions().send_keys('7').send_keys(Keys.ENTER).send_keys(Keys.ESCAPE)
        for modifier in (Keys.CONTROL, Keys.ALT, Keys.META):
            chain.key_down(modifier).send_keys(Keys.TAB).key_up(modifier)
        chain.perform()
        after = self.shown()
        self.assertEqual(after['focus'], 'Txt_Radius')
        self.assertEqual(after['texts']['Txt_Radius'], '7')
        self.assertEqual(after['bits'], before['bits'])
        self.assertEqual({f: after['texts'][f] for f in FIELDS if f != 'Txt_Radius'},
                         {f: before['texts'][f] for f in FIELDS if f != 'Txt_Radius'})

    def test_a_click_into_a_field_selects_its_text_a_click_inside_places_the_caret(self):
        field = self.driver.find_element(By.ID, 'Txt_Dicke')
        self.actions().move_to_element(field).click().perform()
        self.assertEqual(self.shown()['selection'], [0, 4, 4])
        # A click on a caption changes nothing.
        self.actions().move_to_element(self.driver.find_element(By.ID, 'Label1')).click().perform()
        self.assertEqual([self.shown()['focus'], self.shown()['selection']], ['Txt_Dicke', [0, 4, 4]])
        self.actions().move_to_element(field).click().perform()
        start, end, _ = self.shown()['selection']
        self.assertEqual(start, end, 'a caret, not a selection')
        self.assertEqual(self.errors(), [])

    def test_entering_a_field_selects_a_character_beyond_the_basic_plane_whole(self):
        # Kept as typed: 8 is the least flange at r = 2; the emoji takes two UTF-16 units.
        for action in [{'do': 'click', 'on': 'Txt_l(1)'}, {'do': 'type', 'text': '8\U0001F600'},
                       {'do': 'tab'}, {'do': 'backtab'}]:
            self.act(action)
        self.assertEqual(self.shown()['selection'], [0, 3, 3])

    def test_a_tap_selects_the_fields_text_for_the_numeric_keyboard(self):
        self.driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': True, 'maxTouchPoints': 1})
        x, y = self.driver.execute_script("""const box = document.getElementById('Txt_l(1)').getBoundingClientRect();
            return [box.x + box.width / 2, box.y + box.height / 2];""")
        for event, points in [('touchStart', [{'x': x, 'y': y}]), ('touchEnd', [])]:
            self.driver.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': event, 'touchPoints': points})
        shown = self.shown()
        self.assertEqual(shown['focus'], 'Txt_l(1)')
        self.assertEqual(shown['selection'], [0, 3, 3])

    def test_the_key_results_are_announced_after_a_recalculation_that_changes_them(self):
        live = self.driver.find_element(By.ID, 'Announcement')
        self.assertEqual(live.get_attribute('textContent'), '')
        self.driver.execute_script("""window.announced = 0;
            new MutationObserver((changes) => { announced += changes.length; })
              .observe(arguments[0], { childList: true, characterData: true, subtree: true });""", live)
        # (typed into the field that has the focus before the tab key, announcements so far)
        for typed, count in [('', 0), ('3', 1), ('', 1)]:
            self.actions().send_keys(typed + Keys.TAB).perform()
            shown = self.shown()
            self.assertEqual(self.driver.execute_script('return announced'), count, typed)
        self.assertEqual(live.get_attribute('textContent'),
                         f'Gestreckte Länge L = {shown["texts"]["Txt_l(5)"]} mm, '
                         f'Verdano v = {shown["texts"]["Txt_v"]} mm')

    def test_nothing_leaves_the_origin_and_the_page_is_installable(self):
        origin = self.address.rstrip('/')
        requested = set()
        for entry in self.driver.get_log('performance'):
            message = json.loads(entry['message'])['message']
            if message['method'] == 'Network.requestWillBeSent':
                requested.add(message['params']['request']['url'])
        self.assertTrue(requested)
        self.assertEqual([url for url in requested if re.match(r'(https?|wss?|ftp):', url)
                          and not url.startswith(origin + '/')], [])
        errors = self.driver.execute_cdp_cmd('Page.getInstallabilityErrors', {})
        self.assertEqual(errors.get('installabilityErrors'), [])
        self.assertEqual([e['message'] for e in self.driver.get_log('browser')
                          if e['level'] == 'SEVERE'], [])


# The pages of the site, each opened as a user does; the box page joins this table.
PAGES = ['', 'profil.html#dicke=2&radius=2&schenkel=50/100/50&winkel=90/90&richtung=+/-&breite=300',
         'kasten.html#dicke=1.5&radius=1.5&laenge=300&breite=200&hoehe=50']
# What the start-up waits for, as Chromium's network log names it.
AWAITED = re.compile(r'.*\.(js|wasm|woff2)$')


@unittest.skipIf(QUICK, 'left to the full run')
class Preloads(Page):
    def test_each_page_asks_for_everything_its_start_up_waits_for_at_once_and_once(self):
        # State: a fresh profile; Action: each page opened; Expected: every script, module and
        # face the start-up fetches is the entry script or named by a preload in the head, so none
        # waits for the one that finds it, and each preload is fetched once (a preload whose mode
        # differs from its use's is fetched twice). The pictures come after the first results.
        for page in PAGES:
            with self.subTest(page=page or 'index.html'):
                self.driver.get('about:blank')
                self.driver.get_log('performance')
                self.driver.get(self.address + page)
                WebDriverWait(self.driver, WAIT).until(
                    lambda d: d.execute_script('return document.documentElement.dataset.ready') == 'true')
                preloaded, entry = self.driver.execute_script("""return [
                    [...document.querySelectorAll('link[rel=preload], link[rel=modulepreload]')].map((l) => l.href),
                    document.querySelector('script[type=module]').src]""")
                fetched = []
                for log in self.driver.get_log('performance'):
                    message = json.loads(log['message'])['message']
                    if message['method'] == 'Network.requestWillBeSent':
                        request = message['params']
                        if request['request']['url'].startswith(self.address) and request.get('type') != 'Other' \
                                or request['request']['url'].endswith('.wasm'):
                            fetched.append(request['request']['url'])
                awaited = [url for url in fetched if AWAITED.match(url)]
                self.assertEqual(sorted(set(awaited) - {entry}), sorted(preloaded))
                self.assertEqual([url for url in preloaded if fetched.count(url) != 1], [])


# Faults by extreme entries: the rule is undone, a German alert names the fault, and the focus is
# where the user sent it. (field typed into, text, how it is left, field that has the focus then)
FAULTS = [
    ('Txt_Radius', '1' + '0' * 308, 'tab', 'Txt_Dicke'),
    ('Txt_l(1)', '9' * 400, 'click', 'Txt_Radius'),
    ('Txt_l(2)', '9e999', 'backtab', 'Txt_l(1)'),
]


class FaultMessage(Page):
    def test_a_fault_restores_the_last_good_state_in_an_alert_that_keeps_the_focus(self):
        for field, text, away, then in FAULTS:
            with self.subTest(field=field, text=text[:12]):
                self.act({'do': 'click', 'on': field})
                before = self.shown()
                self.act({'do': 'type', 'text': text})
                self.act({'do': away, 'on': then})
                shown = self.shown()
                self.assertIsNotNone(shown['fault'], 'no message')
                self.assertIn('Rechenfehler', shown['fault'])
                self.assertEqual(shown['texts'], before['texts'])
                self.assertEqual(shown['bits'], before['bits'])
                dialog = self.driver.find_element(By.ID, 'FaultMessage')
                self.assertEqual(dialog.get_attribute('role'), 'alertdialog')
                self.assertEqual(self.driver.find_element(By.TAG_NAME, 'html').get_attribute('lang'), 'de')
                # The page is blocked while the message is open: a click elsewhere changes nothing,
                # and one on the message's text leaves the keys with its button.
                self.actions().move_to_element(
                    self.driver.find_element(By.ID, 'Txt_Beta')).click().perform()
                self.actions().move_to_element(self.driver.find_element(By.ID, 'FaultText')).click().perform()
                self.assertEqual(self.shown()['focus'], 'FaultOk')
                self.dismiss_fault()
                after = self.shown()
                self.assertIsNone(after['fault'])
                self.assertEqual(after['focus'], then)
                self.assertEqual(after['texts'], before['texts'])
        self.assertEqual(self.errors(), [])


class RandomSession(Page):
    def test_every_step_shows_the_native_texts_and_bits(self):
        script = expectations(STEPS)
        self.expect_shows(script['start'], self.shown(), 'start-up')
        bits_differ = []
        for number, step in enumerate(script['steps']):
            where = f'seed {script["seed"]}, step {number}'
            # The events of a step go in one chain, cut after each move that must bring a fault
            # message. A message that should not be there blocks the page and shows at the end.
            chain = self.actions()
            for action in step['actions']:
                self.act(action, chain)
                if action.get('fault'):
                    chain.perform()
                    chain = self.actions()
                    self.assertEqual(self.shown()['fault'], action['fault'], f'{where}: {action}')
                    self.dismiss_fault()
            chain.perform()
            shown = self.shown()
            self.assertIsNone(shown['fault'], where)
            self.expect_shows(step, shown, where)
            if shown['bits'] != step['bits']:
                bits_differ.append(number)
        self.assertEqual(bits_differ, [], 'steps whose result bits differ from the native ones')


class ResultBits(Page):
    def test_the_pinned_table_of_exact_bits(self):
        table = pinned_bits()
        self.assertGreaterEqual(len(table), 10)
        for (r, s, beta), expected in table:
            bits = self.driver.execute_script('return window.kantrix.resultBits(...arguments)', r, s, beta, 100, 100)
            with self.subTest(r=r, s=s, beta=beta):
                self.assertEqual({key: bits[key] for key in expected}, expected)


@unittest.skipIf(QUICK, 'left to the full run')
class Offline(Page):
    def test_the_page_reloads_with_the_server_stopped(self):
        self.driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            navigator.serviceWorker.ready.then(() => {
              if (navigator.serviceWorker.controller) done();
              else navigator.serviceWorker.addEventListener('controllerchange', () => done());
            });""")
        expected = self.shown()
        self.stop_server()
        self.driver.refresh()
        WebDriverWait(self.driver, WAIT).until(
            lambda d: d.execute_script('return document.documentElement.dataset.ready') == 'true')
        self.assertEqual(self.shown()['texts'], expected['texts'])


def main():
    if len(sys.argv) < 4:
        print(__doc__, file=sys.stderr)
        return 2
    suite = unittest.defaultTestLoader.loadTestsFromModule(sys.modules[__name__])
    if os.environ.get('PAGE_TESTS'):  # a class name, to run only its tests
        suite = unittest.defaultTestLoader.loadTestsFromName(os.environ['PAGE_TESTS'], sys.modules[__name__])
    if QUICK:  # the quick tests first, the start-up's first of all; the random session last
        def flat(tests):
            return [t for each in tests for t in (flat(each) if isinstance(each, unittest.TestSuite) else [each])]
        tests = sorted(flat(suite), key=lambda test: (
            'start_up' not in test.id(), 'StartUp' not in test.id(), 'RandomSession' in test.id()))
        suite = unittest.TestSuite(tests)
    result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout, failfast=QUICK).run(suite)
    if shared_driver:
        shared_driver.quit()
        shared_profile.cleanup()
    failed = len(result.failures) + len(result.errors)
    passed = result.testsRun - failed - len(result.skipped)
    print(f'{passed} passed, {failed} failed')
    return 0 if failed == 0 and result.testsRun > 0 else 1


if __name__ == '__main__':
    sys.exit(main())
