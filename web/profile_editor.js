// The profile's entry: thickness, default radius and width, the press brake (material, die, press
// limit, rolling direction), and the chain of legs with a bend between each two. The editor holds
// only the texts as typed and hands them on as the command line's options; reading, checking and
// working them out is the library's. A refusal is shown at the field it names, and nothing typed
// is ever changed. With a die the radius is the die's, shown read-only; the radius typed before
// comes back when the die is cleared.

import { optionNames } from './profile_link.js';

const minLegs = 2;
const maxLegs = 101;

function element(tag, attributes = {}, children = []) {
  const made = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes))
    made.setAttribute(name, value);
  made.append(...children);
  return made;
}

function numberInput(id, name) {
  return element('input', { id, 'aria-label': name, inputmode: 'decimal', autocomplete: 'off',
    spellcheck: 'false', autocapitalize: 'off', autocorrect: 'off', enterkeyhint: 'next' });
}

function field(label, input, unit) {
  return element('span', { class: 'entry-field' }, [
    element('label', { for: input.id, class: 'short' }, [label]), input,
    element('span', { class: 'unit' }, [unit])]);
}

function choice(id, name, options) {
  return element('select', { id, 'aria-label': name },
    options.map(([value, text]) => element('option', { value }, [text])));
}

// With a die the radius field shows the die's radius and takes no typing; without, the radius
// typed before is back. `editor` holds the fields in `values` and that radius in `ownRadius`.
function followDie(editor) {
  const radius = editor.values.radius;
  const withDie = editor.values.matrize.value.trim() !== '';
  if (withDie && !radius.readOnly) {
    editor.ownRadius = radius.value;
    radius.value = '';
  } else if (!withDie && radius.readOnly) {
    radius.value = editor.ownRadius;
  }
  radius.readOnly = withDie;
  radius.setAttribute('aria-readonly', String(withDie));
  radius.placeholder = withDie ? 'f · V' : '';
}

// The attributes of a field that takes a number on a phone's keyboard.
const numberAttributes = { inputmode: 'decimal', autocomplete: 'off', spellcheck: 'false', autocapitalize: 'off',
  autocorrect: 'off', enterkeyhint: 'next' };

// Marks a field too short to rest on the die: a warning beside it, not a refusal.
export function markShort(input, warning, short) {
  warning.hidden = !short;
  input.classList.toggle('warned', short);
  if (short && !input.hasAttribute('aria-describedby'))
    input.setAttribute('aria-describedby', warning.id);
  else if (!short && input.getAttribute('aria-describedby') === warning.id)
    input.removeAttribute('aria-describedby');
}

// What the profile's and the box's editors have alike: the press brake's fields and a refusal shown
// at its field. A subclass holds the number fields in `values`, the material in `choices`, the die
// openings in `dies`, and says in `placeOf` at which field and message a refusal stands.
export class PartEditor {
  // `changed` is called after every edit, with the editor.
  constructor(document, changed) {
    this.document = document;
    this.changed = changed;
    this.ownRadius = '';
  }

  // Fields that take a number: every edit follows the die and is passed on.
  takeNumbers(inputs) {
    for (const input of inputs) {
      for (const [name, value] of Object.entries(numberAttributes))
        input.setAttribute(name, value);
      input.addEventListener('input', () => {
        this.followDie();
        this.changed(this);
      });
    }
  }

  followDie() {
    followDie(this);
  }

  // The radius the die makes, as the library wrote it.
  showDieRadius(text) {
    if (this.values.radius.readOnly && text !== null)
      this.values.radius.value = text;
  }

  // The materials to choose from ({name, number, origin}), keeping the one chosen.
  setMaterials(materials) {
    const select = this.choices.werkstoff;
    const chosen = select.value;
    select.replaceChildren(element('option', { value: '' }, ['kein Werkstoff']), ...materials.map((material) =>
      element('option', { value: material.name }, [material.name + (material.number ? ` (${material.number})` : '') +
        (material.origin === 'eingebaut' ? '' : ` – ${material.origin}`)])));
    select.value = chosen;
    if (select.value !== chosen)
      select.value = '';
  }

  // The die openings to choose from, the one suggested for the thickness marked.
  setDies(dies, suggested) {
    this.dies.replaceChildren(...dies.map((die) =>
      element('option', { value: die, label: die === suggested ? `${die} mm, empfohlen` : `${die} mm` })));
  }

  // The message beside a field of the form's top: the one it has, or a new one.
  messageAt(at) {
    return at.closest('.value').querySelector('.refusal') ?? at.closest('.value').appendChild(
      element('p', { class: 'refusal', id: `Meldung-${at.id}`, hidden: '' }));
  }

  // Shows a refusal at its field, or none; only one stands at a time. A refusal of an empty field
  // says what is still missing. `marked` selects the fields whose marks an edit clears.
  showRefusal(refusal, marked = '.entry [aria-invalid="true"]') {
    for (const field of this.document.querySelectorAll(marked)) {
      field.removeAttribute('aria-invalid');
      field.removeAttribute('aria-describedby');
    }
    for (const message of this.document.querySelectorAll('.entry .refusal:not(#LinkMeldung)')) {
      message.hidden = true;
      message.textContent = '';
    }
    if (!refusal)
      return;
    const { field: at, message } = this.placeOf(refusal);
    // A field not yet filled in is not an error, as in the profile window: it only still lacks.
    const missing = at !== null && at.tagName === 'INPUT' && at.value.trim() === '';
    message.textContent = missing ? `${at.getAttribute('aria-label').split(',')[0]} fehlt noch.` : refusal.message;
    message.classList.toggle('missing', missing);
    message.hidden = false;
    if (at && !missing) {
      at.setAttribute('aria-invalid', 'true');
      at.setAttribute('aria-describedby', message.id);
    }
  }
}

const emptyLeg = () => ({ length: '', measure: 'aussen' });
const newBend = () => ({ angle: '90', radius: '', direction: '+' });

export class ProfileEditor extends PartEditor {
  constructor(document, changed) {
    super(document, changed);
    this.chain = document.getElementById('Kette');
    this.values = { dicke: document.getElementById('Dicke'), radius: document.getElementById('Radius'),
      breite: document.getElementById('Breite'), matrize: document.getElementById('Matrize'),
      presse: document.getElementById('Presse') };
    this.takeNumbers(Object.values(this.values));
    this.choices = { werkstoff: document.getElementById('Werkstoff'), walzrichtung: document.getElementById('Walzrichtung') };
    for (const select of Object.values(this.choices))
      select.addEventListener('change', () => this.changed(this));
    this.dies = document.getElementById('Matrizen');
    this.listMessage = document.getElementById('ListenMeldung');
    this.appendButton = document.getElementById('Anfuegen');
    this.appendButton.addEventListener('click', () => this.insertLeg(this.legs.length));
    this.chain.addEventListener('input', (event) => this.edited(event.target));
    this.chain.addEventListener('change', (event) => {
      if (event.target.tagName === 'SELECT')
        this.edited(event.target);
    });
    this.chain.addEventListener('click', (event) => {
      const button = event.target.closest('button');
      if (button)
        (button.dataset.do === 'insert' ? this.insertLeg : this.removeLeg).call(this, Number(button.dataset.leg));
    });
    this.setEmpty();
  }

  // The empty profile: no values, two legs of no length and a bend of 90 degrees between them.
  setEmpty() {
    for (const input of Object.values(this.values))
      input.value = '';
    this.choices.werkstoff.value = '';
    this.choices.walzrichtung.value = 'quer';
    this.followDie();
    this.legs = [emptyLeg(), emptyLeg()];
    this.bends = [newBend()];
    this.render();
  }

  // Fills the entry with the texts of options that the library has read.
  setOptions(options) {
    const items = (text) => (text === undefined || text === null ? [] : text.split('/'));
    this.values.dicke.value = options.dicke ?? '';
    this.values.radius.value = options.radius ?? '';
    this.values.breite.value = options.breite ?? '';
    this.values.matrize.value = options.matrize ?? '';
    this.values.presse.value = options.presse ?? '';
    this.choices.werkstoff.value = options.werkstoff ?? '';
    this.choices.walzrichtung.value = options.walzrichtung ?? 'quer';
    this.ownRadius = this.values.radius.value;
    this.followDie();
    const inner = new Set(items(options.innen).map(Number));
    this.legs = items(options.schenkel).map((length, i) => ({ length, measure: inner.has(i + 1) ? 'innen' : 'aussen' }));
    const radii = items(options.radien);
    const directions = items(options.richtung);
    this.bends = items(options.winkel).map((angle, i) => ({ angle, radius: radii[i] ?? '', direction: directions[i] ?? '+' }));
    this.render();
  }

  // The entry as the command line's options, or {item, index, message} for a text that would
  // change the lists' meaning.
  options() {
    const options = { dicke: this.values.dicke.value, radius: this.values.radius.readOnly ? '' : this.values.radius.value };
    for (const name of ['breite', 'matrize', 'presse'])
      if (this.values[name].value.trim() !== '')
        options[name] = this.values[name].value;
    if (this.choices.werkstoff.value !== '')
      options.werkstoff = this.choices.werkstoff.value;
    options.walzrichtung = this.choices.walzrichtung.value;
    options.schenkel = this.legs.map((leg) => leg.length).join('/');
    options.winkel = this.bends.map((bend) => bend.angle).join('/');
    if (this.bends.some((bend) => bend.radius.trim() !== ''))
      options.radien = this.bends.map((bend) => bend.radius).join('/');
    const inner = this.legs.flatMap((leg, i) => (leg.measure === 'innen' ? [i + 1] : []));
    if (inner.length)
      options.innen = inner.join('/');
    options.richtung = this.bends.map((bend) => bend.direction).join('/');
    return Object.fromEntries(optionNames.filter((name) => name in options).map((name) => [name, options[name]]));
  }

  // A "/" separates the lists' items, so it cannot stand in one of them.
  slashRefusal() {
    const slashed = (list, key, item, name) => {
      const index = list.findIndex((each) => each[key].includes('/'));
      return index < 0 ? null : { item, index, message: `${name(index)}: „/“ trennt die Listen und gehört in keine Zahl` };
    };
    return slashed(this.legs, 'length', 'schenkel', (i) => `Schenkel ${i + 1}`)
      ?? slashed(this.bends, 'angle', 'winkel', (i) => `Öffnungswinkel β von Biegung ${i + 1}`)
      ?? slashed(this.bends, 'radius', 'radien', (i) => `Biegeradius r von Biegung ${i + 1}`);
  }

  // Marks the legs too short to rest on the die.
  markShortLegs(indices) {
    this.legs.forEach((leg, i) => markShort(this.document.getElementById(`Schenkel-${i + 1}`),
      this.document.getElementById(`Warnung-Schenkel-${i + 1}`), indices.includes(i)));
  }

  edited(target) {
    const { leg, bend, key } = target.dataset;
    if (leg !== undefined)
      this.legs[Number(leg)][key] = target.value;
    else if (bend !== undefined)
      this.bends[Number(bend)][key] = target.value;
    this.changed(this);
  }

  // A leg of no length and a bend of 90 degrees before leg `index` (at the end for the count).
  insertLeg(index) {
    if (this.legs.length >= maxLegs)
      return;
    this.legs.splice(index, 0, emptyLeg());
    this.bends.splice(Math.min(index, this.bends.length), 0, newBend());
    this.render();
    this.document.getElementById(`Schenkel-${index + 1}`).focus();
    this.changed(this);
  }

  // Leg `index` and a bend beside it: the one after it, or for the last leg the one before.
  removeLeg(index) {
    if (this.legs.length <= minLegs)
      return;
    this.legs.splice(index, 1);
    this.bends.splice(Math.min(index, this.bends.length - 1), 1);
    this.render();
    const next = this.document.getElementById(`Schenkel-${Math.min(index, this.legs.length - 1) + 1}`);
    next.focus();
    this.changed(this);
  }

  render() {
    const rows = [];
    this.legs.forEach((leg, i) => {
      const n = i + 1;
      const length = numberInput(`Schenkel-${n}`, `Schenkel ${n}, Millimeter`);
      length.value = leg.length;
      Object.assign(length.dataset, { leg: i, key: 'length' });
      const measure = choice(`Mass-${n}`, `Maß von Schenkel ${n}`, [['aussen', 'außen'], ['innen', 'innen']]);
      measure.value = leg.measure;
      Object.assign(measure.dataset, { leg: i, key: 'measure' });
      const insert = element('button', { type: 'button', class: 'small', 'aria-label': `Schenkel vor Schenkel ${n} einfügen`,
        'data-do': 'insert', 'data-leg': i }, ['Einfügen']);
      const remove = element('button', { type: 'button', class: 'small', 'aria-label': `Schenkel ${n} entfernen`,
        'data-do': 'remove', 'data-leg': i }, ['Entfernen']);
      insert.disabled = this.legs.length >= maxLegs;
      remove.disabled = this.legs.length <= minLegs;
      rows.push(element('li', { class: 'leg', id: `Zeile-Schenkel-${n}` }, [
        element('span', { class: 'row-name' }, [`Schenkel ${n}`]),
        element('span', { class: 'row-fields' }, [field('l =', length, 'mm'), measure]),
        element('span', { class: 'row-buttons' }, [insert, remove]),
        element('p', { class: 'refusal', id: `Meldung-Schenkel-${n}`, hidden: '' }),
        element('p', { class: 'warning', id: `Warnung-Schenkel-${n}`, hidden: '' },
          ['Kürzer als der kleinste Schenkel auf der Matrize (siehe Hinweise).'])]));
      if (i >= this.bends.length)
        return;
      const bend = this.bends[i];
      const angle = numberInput(`Winkel-${n}`, `Öffnungswinkel b ${n}, Grad`);
      angle.value = bend.angle;
      Object.assign(angle.dataset, { bend: i, key: 'angle' });
      const radius = numberInput(`Radius-${n}`, `Biegeradius r ${n}, Millimeter`);
      radius.value = bend.radius;
      radius.placeholder = 'wie r';
      Object.assign(radius.dataset, { bend: i, key: 'radius' });
      const direction = choice(`Richtung-${n}`, `Richtung von Biegung ${n}`, [['+', '+ auf'], ['-', '− ab']]);
      direction.value = bend.direction;
      Object.assign(direction.dataset, { bend: i, key: 'direction' });
      rows.push(element('li', { class: 'bend', id: `Zeile-Biegung-${n}` }, [
        element('span', { class: 'row-name' }, [`Biegung ${n}`]),
        element('span', { class: 'row-fields' }, [field('β =', angle, '°'), field('r =', radius, 'mm'), direction]),
        element('p', { class: 'refusal', id: `Meldung-Biegung-${n}`, hidden: '' })]));
    });
    this.chain.replaceChildren(...rows);
    this.appendButton.disabled = this.legs.length >= maxLegs;
  }

  // The field a refusal is about, and where its message goes.
  placeOf(refusal) {
    const n = refusal.index + 1;
    const byItem = {
      dicke: [this.values.dicke, null], radius: [this.values.radius, null], breite: [this.values.breite, null],
      matrize: [this.values.matrize, null], presse: [this.values.presse, null],
      werkstoff: [this.choices.werkstoff, null], walzrichtung: [this.choices.walzrichtung, null],
      schenkel: [`Schenkel-${n}`, `Meldung-Schenkel-${n}`], innen: [`Mass-${n}`, `Meldung-Schenkel-${n}`],
      winkel: [`Winkel-${n}`, `Meldung-Biegung-${n}`], radien: [`Radius-${n}`, `Meldung-Biegung-${n}`],
      richtung: [`Richtung-${n}`, `Meldung-Biegung-${n}`],
    };
    const [input, message] = byItem[refusal.item] ?? [null, null];
    const at = typeof input === 'string' ? this.document.getElementById(input) : input;
    if (!at)
      return { field: null, message: this.listMessage };
    return { field: at, message: message ? this.document.getElementById(message) : this.messageAt(at) };
  }

  // Clears the marks of the whole page, the test bends' too.
  showRefusal(refusal) {
    super.showRefusal(refusal, '[aria-invalid="true"]');
  }
}
