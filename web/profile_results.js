// The results of a profile as the library writes them: its JSON answer, whose number texts are
// shown as they are (the command line's digits), and its two drawings, set inline as SVG. At the
// press brake the material, die and press stand under the thickness, the largest force beside L
// and each bend's force, least flange, minimum radius, angle to set and the source of k in a table
// of their own. After a refusal the last results stay and are marked as not current. The box
// page shows its results with the same pieces.

const directionText = { '+': '+ auf', '-': '− ab' };
export const absent = '–';
// A number this long (a leg of 1e308) may break anywhere rather than widen the page; shorter ones
// never break.
export const longNumber = 20;

export const textOf = (number) => (number ? number.text : absent);

// The line of material, die and press, as the command line's answer words it: words and the
// library's number texts.
function pressLine(json) {
  const material = json.werkstoff ? ['Werkstoff ', json.werkstoff.name, ', Rm = ', json.werkstoff.zugfestigkeit, ' N/mm²']
    : ['ohne Werkstoff'];
  const die = json.matrize ? ['Matrize V = ', json.matrize, ' mm'] : ['ohne Matrize'];
  const suggested = json.matrize_empfohlen ? [' (empfohlen V = ', json.matrize_empfohlen, ' mm)'] : [];
  const press = json.presse ? ['Presse ', json.presse, ' kN'] : ['Presse ohne Grenze'];
  const rolling = json.walzrichtung === 'laengs' ? 'Biegelinie längs zur Walzrichtung' : 'Biegelinie quer zur Walzrichtung';
  return [...material, '; ', ...die, ...suggested, '; ', ...press, '; ', rolling];
}

// Sets a line of words and numbers: a number ("1 000.000") stays whole on its line unless it is
// long enough that it must break.
export function setLine(element, parts) {
  element.replaceChildren(...parts.map((part) => {
    if (typeof part === 'string')
      return part;
    const number = document.createElement('span');
    number.textContent = part.text;
    number.className = part.text.length > longNumber ? 'long-number' : 'number';
    return number;
  }));
}

export function cell(text, name) {
  const td = document.createElement('td');
  const value = document.createElement(name ? 'output' : 'span');
  if (name) {
    value.setAttribute('aria-live', 'off');
    value.setAttribute('aria-label', name);
  }
  value.textContent = text;
  value.classList.toggle('long-number', text.length > longNumber);
  td.append(value);
  return td;
}

export function row(cells, headers) {
  const tr = document.createElement('tr');
  cells.forEach((each, i) => {
    each.dataset.label = headers[i];
    tr.append(each);
  });
  return tr;
}

export function headersOf(table) {
  return [...table.querySelectorAll('thead th')].map((th) => th.textContent);
}

// An SVG text of the library as an element of this page, scaled by the style sheet, or null. The
// library writes a huge part's sizes exactly, beyond the single precision the browser draws SVG
// in; such a drawing's view box does not parse, and the page shows a note instead.
export function drawing(text) {
  const parsed = new DOMParser().parseFromString(text, 'image/svg+xml');
  const svg = parsed.documentElement;
  if (svg.nodeName !== 'svg' || parsed.querySelector('parsererror') || !(svg.viewBox.baseVal?.width > 0))
    return null;
  svg.removeAttribute('width');
  svg.removeAttribute('height');
  svg.setAttribute('aria-hidden', 'true');
  svg.setAttribute('preserveAspectRatio', 'xMidYMid meet');
  return document.importNode(svg, true);
}

// A number as the library wrote it, or "–" for none.
export function showNumber(output, number) {
  output.textContent = textOf(number);
  output.classList.toggle('long-number', output.textContent.length > longNumber);
}

const tooLarge = 'Zu groß, um es hier zu zeichnen; die Dateien enthalten es genau.';

export function showDrawing(place, text) {
  const svg = drawing(text);
  if (svg)
    place.replaceChildren(svg);
  else
    place.textContent = tooLarge;
}

// What the profile's and the box's results have alike: the notes, and the mark of results that
// no longer belong to the entry.
export class PartResults {
  constructor(document) {
    this.root = document.getElementById('Ergebnis');
    this.stale = document.getElementById('Stand');
    this.notes = document.getElementById('Hinweise');
    this.shown = false;
    this.setCurrent(false);
  }

  // Ends showing an accepted answer: its notes, and the results marked as current.
  finish(json) {
    const notes = json.hinweise.length ? json.hinweise : ['Keine.'];
    this.notes.replaceChildren(...notes.map((note) => {
      const li = document.createElement('li');
      li.textContent = note;
      return li;
    }));
    this.shown = true;
    this.setCurrent(true);
    return json;
  }

  // Marks the results as those of the last accepted entry, or as current.
  setCurrent(current) {
    this.stale.hidden = current || !this.shown;
    this.root.classList.toggle('not-current', !current);
    this.root.classList.toggle('empty', !this.shown);
    this.root.setAttribute('aria-describedby', current || !this.shown ? '' : 'Stand');
  }
}

export class ProfileResults extends PartResults {
  constructor(document) {
    super(document);
    this.length = document.getElementById('L');
    this.plate = document.getElementById('Blech');
    this.forceLine = document.getElementById('Kraftzeile');
    this.force = document.getElementById('F');
    this.pressValues = document.getElementById('Presswerte');
    this.pressPart = document.getElementById('Abkantpresse');
    this.pressTable = document.getElementById('Pressdaten');
    this.bends = document.getElementById('Biegungen');
    this.legs = document.getElementById('Schenkelmasse');
    this.section = document.getElementById('Schnitt');
    this.blank = document.getElementById('Zuschnitt');
  }

  // Shows an accepted profile's answer: its JSON text and its drawings.
  show(answer) {
    const json = JSON.parse(answer.json);
    showNumber(this.length, json.L);
    setLine(this.plate, ['Blechdicke s = ', json.dicke, ' mm',
      ...(json.breite ? [', Breite W = ', json.breite, ' mm'] : [', ohne Breite W (kein Zuschnitt)'])]);
    const bendHeaders = headersOf(this.bends);
    this.bends.tBodies[0].replaceChildren(...json.biegungen.map((bend, i) => row([
      cell(String(i + 1)), cell(bend.winkel.text), cell(bend.radius.text), cell(directionText[bend.richtung] ?? bend.richtung),
      cell(bend.biegelinie.text, `Biegelinie ${i + 1}, Millimeter`), cell(bend.k.text, `Korrekturwert k ${i + 1}`),
      cell(bend.v.text, `Verdano v ${i + 1}, Millimeter`), cell(bend.bz.text, `Bogenlänge bz ${i + 1}, Millimeter`),
    ], bendHeaders)));
    const pressBrake = 'walzrichtung' in json;
    this.forceLine.hidden = !pressBrake;
    showNumber(this.force, pressBrake ? json.kraft_max : null);
    this.pressValues.hidden = !pressBrake;
    setLine(this.pressValues, pressBrake ? pressLine(json) : []);
    this.pressPart.hidden = !pressBrake;
    const pressHeaders = headersOf(this.pressTable);
    this.pressTable.tBodies[0].replaceChildren(...(pressBrake ? json.biegungen : []).map((bend, i) => row([
      cell(String(i + 1)), cell(bend.k_quelle, `Quelle von k ${i + 1}`), cell(bend.k_din.text, `k nach DIN ${i + 1}`),
      cell(textOf(bend.kraft), `Kraft Biegung ${i + 1}, Kilonewton`),
      cell(textOf(bend.kraft_je_meter), `Kraft je Meter Biegung ${i + 1}, Kilonewton`),
      cell(textOf(bend.kleinster_schenkel), `Kleinster Schenkel an Biegung ${i + 1}, Millimeter`),
      cell(textOf(bend.mindestradius), `Mindestradius Biegung ${i + 1}, Millimeter`),
      cell(textOf(bend.winkel_eingestellt), `Einstellwinkel Biegung ${i + 1}, Grad`),
    ], pressHeaders)));
    const legHeaders = headersOf(this.legs);
    this.legs.tBodies[0].replaceChildren(...json.schenkel.map((leg, i) => row([
      cell(String(i + 1)), cell(leg.mass === 'innen' ? 'innen' : 'außen'), cell(leg.eingegeben.text),
      cell(leg.aussen.text), cell(leg.gerade.text),
    ], legHeaders)));
    showDrawing(this.section, answer.section);
    if (answer.blank)
      showDrawing(this.blank, answer.blank);
    else
      this.blank.textContent = 'Für den Zuschnitt fehlt die Breite W.';
    return this.finish(json);
  }
}
