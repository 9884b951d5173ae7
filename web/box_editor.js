// The box's entry: thickness and radius, the base's length A and width B, the four walls' heights
// (an empty one is no wall), the corners and relief, and the press brake as the profile page has
// it. The editor holds only the texts as typed and hands them on as the command line's options
// of `kantrix-cli kasten`; reading, checking and working them out is the library's. A refusal is
// shown at the field it names, and nothing typed is ever changed.

import { PartEditor, markShort } from './profile_editor.js';

// The option names of a box's link, in the command line's order.
export const boxOptionNames = ['dicke', 'radius', 'laenge', 'breite', 'hoehe', 'innen', 'ecken', 'durchgehend',
  'spalt', 'freistich', 'werkstoff', 'matrize', 'presse', 'walzrichtung'];

// The walls in the order of `--hoehe vorne/rechts/hinten/links`, by their fields' ids.
export const sides = ['vorne', 'rechts', 'hinten', 'links'];
const wallIds = ['HoeheVorne', 'HoeheRechts', 'HoeheHinten', 'HoeheLinks'];

export class BoxEditor extends PartEditor {
  constructor(document, changed) {
    super(document, changed);
    const byId = (id) => document.getElementById(id);
    this.values = { dicke: byId('Dicke'), radius: byId('Radius'), laenge: byId('Laenge'), breite: byId('Breite'),
      spalt: byId('Spalt'), durchmesser: byId('Durchmesser'), matrize: byId('Matrize'), presse: byId('Presse') };
    this.walls = wallIds.map(byId);
    this.choices = { laenge: byId('MassLaenge'), breite: byId('MassBreite'), hoehe: byId('MassHoehe'),
      ecken: byId('Ecken'), durchgehend: byId('Durchgehend'), freistich: byId('Freistich'),
      werkstoff: byId('Werkstoff'), walzrichtung: byId('Walzrichtung') };
    this.dies = byId('Matrizen');
    this.wallMessage = byId('WandMeldung');
    this.takeNumbers([...Object.values(this.values), ...this.walls]);
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
    this.followDie();
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

  // Marks the walls too low to rest on the die.
  markShortWalls(names) {
    sides.forEach((side, i) => markShort(this.walls[i], this.document.getElementById(`Warnung-${side}`),
      names.includes(side)));
  }

  // The field a refusal is about, or null for the walls' list as a whole.
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

  // The field a refusal is about and its message; the walls' list as a whole has one of its own.
  placeOf(refusal) {
    const at = this.fieldOf(refusal);
    return { field: at, message: at ? this.messageAt(at) : this.wallMessage };
  }
}
