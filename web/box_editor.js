// The box's entry: thickness and radius, the base's length A and width B, the four walls' heights
// (an empty one is no wall), the corners and relief, and the press brake as the profile page has
// it. The editor holds only the texts as typed and hands them on as the command line's options
// of `kantrix-cli kasten`; reading, checking and working them out is the library's. A refusal is
// shown at the field it names, and nothing typed is ever changed.

import { followDie, numberAttributes, setDies, setMaterials } from './profile_editor.js';

// The option names of a box's link, in the command line's order.
export const boxOptionNames = ['dicke', 'radius', 'laenge', 'breite', 'hoehe', 'innen', 'ecken', 'durchgehend',
  'spalt', 'freistich', 'werkstoff', 'matrize', 'presse', 'walzrichtung'];

// The walls in the order of `--hoehe vorne/rechts/hinten/links`, by their fields' ids.
export const sides = ['vorne', 'rechts', 'hinten', 'links'];
const wallIds = ['HoeheVorne', 'HoeheRechts', 'HoeheHinten', 'HoeheLinks'];

export class BoxEditor {
  // `changed` is called after every edit, with the editor.
  constructor(document, changed) {
    this.document = document;
    this.changed = changed;
    const byId = (id) => document.getElementById(id);
    this.values = { dicke: byId('Dicke'), radius: byId('Radius'), laenge: byId('Laenge'), breite: byId('Breite'),
      spalt: byId('Spalt'), durchmesser: byId('Durchmesser'), matrize: byId('Matrize'), presse: byId('Presse') };
    this.walls = wallIds.map(byId);
    this.choices = { laenge: byId('MassLaenge'), breite: byId('MassBreite'), hoehe: byId('MassHoehe'),
      ecken: byId('Ecken'), durchgehend: byId('Durchgehend'), freistich: byId('Freistich'),
      werkstoff: byId('Werkstoff'), walzrichtung: byId('Walzrichtung') };
    this.dies = byId('Matrizen');
    this.wallMessage = byId('WandMeldung');
    this.ownRadius = '';
    for (const input of [...Object.values(this.values), ...this.walls]) {
      for (const [name, value] of Object.entries(numberAttributes))
        input.setAttribute(name, value);
      input.addEventListener('input', () => {
        followDie(this);
        this.changed(this);
      });
    }
    for (const select of Object.values(this.choices))
      select.addEventListener('change', () => {
        this.showChoices();
        this.changed(this);
      });
    this.setEmpty();
  }

  // The empty box: no values, open corners, square reliefs, everything measured outside.
  setEmpty() {
    this.setOptions({});
  }

  // Fills the entry with the texts of options as a link or the library gives them.
  setOptions(options) {
    for (const name of ['dicke', 'radius', 'laenge', 'breite', 'spalt', 'matrize', 'presse'])
      this.values[name].value = options[name] ?? '';
    const heights = (options.hoehe ?? '').split('/');
    this.walls.forEach((wall, i) => { wall.value = heights.length === 1 ? heights[0] : heights[i] ?? ''; });
    const inner = new Set((options.innen ?? '').split('/'));
    for (const name of ['laenge', 'breite', 'hoehe'])
      this.choices[name].value = inner.has(name) ? 'innen' : 'aussen';
    this.choices.ecken.value = options.ecken ?? 'offen';
    this.choices.durchgehend.value = options.durchgehend ?? 'vorne-hinten';
    const round = (options.freistich ?? '').startsWith('rund:');
    this.choices.freistich.value = round ? 'rund' : 'eckig';
    this.values.durchmesser.value = round ? options.freistich.slice(5) : '';
    this.choices.werkstoff.value = options.werkstoff ?? '';
    this.choices.walzrichtung.value = options.walzrichtung ?? 'quer';
    this.ownRadius = this.values.radius.value;
    followDie(this);
    this.showChoices();
  }

  // The gap and the through pair belong to stumpf corners, the diameter to a round relief.
  showChoices() {
    const stumpf = this.choices.ecken.value === 'stumpf';
    this.choices.durchgehend.closest('.value').hidden = !stumpf;
    this.values.spalt.closest('.value').hidden = !stumpf;
    this.values.durchmesser.closest('.value').hidden = this.choices.freistich.value !== 'rund';
  }

  // The entry as the command line's options, or {item, index, message} for a height that would
  // change the list's meaning.
  options() {
    const options = { dicke: this.values.dicke.value, radius: this.values.radius.readOnly ? '' : this.values.radius.value,
      laenge: this.values.laenge.value, breite: this.values.breite.value,
      hoehe: this.walls.map((wall) => wall.value.trim()).join('/') };
    const inner = ['laenge', 'breite', 'hoehe'].filter((name) => this.choices[name].value === 'innen');
    if (inner.length)
      options.innen = inner.join('/');
    if (this.choices.ecken.value === 'stumpf') {
      options.ecken = 'stumpf';
      options.durchgehend = this.choices.durchgehend.value;
      if (this.values.spalt.value.trim() !== '')
        options.spalt = this.values.spalt.value;
    }
    if (this.choices.freistich.value === 'rund')
      options.freistich = `rund:${this.values.durchmesser.value.trim()}`;
    for (const name of ['matrize', 'presse'])
      if (this.values[name].value.trim() !== '')
        options[name] = this.values[name].value;
    if (this.choices.werkstoff.value !== '')
      options.werkstoff = this.choices.werkstoff.value;
    options.walzrichtung = this.choices.walzrichtung.value;
    return Object.fromEntries(boxOptionNames.filter((name) => name in options).map((name) => [name, options[name]]));
  }

  // A "/" separates the heights, so it cannot stand in one of them.
  slashRefusal() {
    const index = this.walls.findIndex((wall) => wall.value.includes('/'));
    return index < 0 ? null
      : { item: 'hoehe', index, message: `Höhe der Wand ${sides[index]}: „/“ trennt die Höhen und gehört in keine Zahl` };
  }

  showDieRadius(text) {
    if (this.values.radius.readOnly && text !== null)
      this.values.radius.value = text;
  }

  setMaterials(materials) {
    setMaterials(this.choices.werkstoff, materials);
  }

  setDies(dies, suggested) {
    setDies(this.dies, dies, suggested);
  }

  // Marks the walls too low to rest on the die: a warning beside the field, not a refusal.
  markShortWalls(names) {
    sides.forEach((side, i) => {
      const input = this.walls[i];
      const warning = this.document.getElementById(`Warnung-${side}`);
      const short = names.includes(side);
      warning.hidden = !short;
      input.classList.toggle('warned', short);
      if (short && !input.hasAttribute('aria-describedby'))
        input.setAttribute('aria-describedby', warning.id);
      else if (!short && input.getAttribute('aria-describedby') === warning.id)
        input.removeAttribute('aria-describedby');
    });
  }

  // The field a refusal is about; the walls' list as a whole has a message of its own.
  fieldOf(refusal) {
    switch (refusal.item) {
    case 'hoehe':
      return this.walls[refusal.index] ?? null;
    case 'innen':
      return this.choices.hoehe;
    case 'freistich':
      return this.choices.freistich.value === 'rund' ? this.values.durchmesser : this.choices.freistich;
    case 'waende':
      return null;
    default:
      return this.values[refusal.item] ?? this.choices[refusal.item] ?? null;
    }
  }

  // Shows a refusal at its field, or none; only one stands at a time. A refusal of an empty field
  // says what is still missing.
  showRefusal(refusal) {
    for (const marked of this.document.querySelectorAll('.entry [aria-invalid="true"]')) {
      marked.removeAttribute('aria-invalid');
      marked.removeAttribute('aria-describedby');
    }
    for (const message of this.document.querySelectorAll('.entry .refusal:not(#LinkMeldung)')) {
      message.hidden = true;
      message.textContent = '';
    }
    if (!refusal)
      return;
    const at = this.fieldOf(refusal);
    const message = at ? at.closest('.value').querySelector('.refusal') ?? at.closest('.value').appendChild(
      Object.assign(this.document.createElement('p'), { className: 'refusal', id: `Meldung-${at.id}`, hidden: true }))
      : this.wallMessage;
    // A field not yet filled in is not an error: it only still lacks. No wall at all is said so.
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
