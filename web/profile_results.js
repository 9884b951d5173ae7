// The results of a profile as the library writes them: its JSON answer, whose number texts are
// shown as they are (the command line's digits), and its two drawings, set inline as SVG. After a
// refusal the last results stay and are marked as not current.

const directionText = { '+': '+ auf', '-': '− ab' };

function cell(text, name) {
  const td = document.createElement('td');
  const value = document.createElement(name ? 'output' : 'span');
  if (name) {
    value.setAttribute('aria-live', 'off');
    value.setAttribute('aria-label', name);
  }
  value.textContent = text;
  td.append(value);
  return td;
}

function row(cells, headers) {
  const tr = document.createElement('tr');
  cells.forEach((each, i) => {
    each.dataset.label = headers[i];
    tr.append(each);
  });
  return tr;
}

function headersOf(table) {
  return [...table.querySelectorAll('thead th')].map((th) => th.textContent);
}

// An SVG text of the library as an element of this page, scaled by the style sheet.
function drawing(text) {
  const parsed = new DOMParser().parseFromString(text, 'image/svg+xml');
  const svg = parsed.documentElement;
  if (svg.nodeName !== 'svg' || parsed.querySelector('parsererror'))
    return null;
  svg.removeAttribute('width');
  svg.removeAttribute('height');
  svg.setAttribute('aria-hidden', 'true');
  svg.setAttribute('preserveAspectRatio', 'xMidYMid meet');
  return document.importNode(svg, true);
}

export class ProfileResults {
  constructor(document) {
    this.root = document.getElementById('Ergebnis');
    this.stale = document.getElementById('Stand');
    this.length = document.getElementById('L');
    this.plate = document.getElementById('Blech');
    this.bends = document.getElementById('Biegungen');
    this.legs = document.getElementById('Schenkelmasse');
    this.notes = document.getElementById('Hinweise');
    this.section = document.getElementById('Schnitt');
    this.blank = document.getElementById('Zuschnitt');
    this.shown = false;
    this.setCurrent(false);
  }

  // Shows an accepted profile's answer: its JSON text and its drawings.
  show(answer) {
    const json = JSON.parse(answer.json);
    this.length.textContent = json.L.text;
    this.plate.textContent = `Blechdicke s = ${json.dicke.text} mm` +
      (json.breite ? `, Breite W = ${json.breite.text} mm` : ', ohne Breite W (kein Zuschnitt)');
    const bendHeaders = headersOf(this.bends);
    this.bends.tBodies[0].replaceChildren(...json.biegungen.map((bend, i) => row([
      cell(String(i + 1)), cell(bend.winkel.text), cell(bend.radius.text), cell(directionText[bend.richtung] ?? bend.richtung),
      cell(bend.biegelinie.text, `Biegelinie ${i + 1}, Millimeter`), cell(bend.k.text, `Korrekturwert k ${i + 1}`),
      cell(bend.v.text, `Verdano v ${i + 1}, Millimeter`), cell(bend.bz.text, `Bogenlänge bz ${i + 1}, Millimeter`),
    ], bendHeaders)));
    const legHeaders = headersOf(this.legs);
    this.legs.tBodies[0].replaceChildren(...json.schenkel.map((leg, i) => row([
      cell(String(i + 1)), cell(leg.mass === 'innen' ? 'innen' : 'außen'), cell(leg.eingegeben.text),
      cell(leg.aussen.text), cell(leg.gerade.text),
    ], legHeaders)));
    const notes = json.hinweise.length ? json.hinweise : ['Keine.'];
    this.notes.replaceChildren(...notes.map((note) => {
      const li = document.createElement('li');
      li.textContent = note;
      return li;
    }));
    this.section.replaceChildren(...[drawing(answer.section)].filter(Boolean));
    const blank = answer.blank ? drawing(answer.blank) : null;
    if (blank)
      this.blank.replaceChildren(blank);
    else
      this.blank.textContent = 'Für den Zuschnitt fehlt die Breite W.';
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
