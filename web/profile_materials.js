// The user's materials in the browser: the materials file of the library, kept in localStorage as
// the library writes it, the "Probebiegung" form that adds test bends to it, and its export and
// import as werkstoffe.json, so that a desktop and a phone share the shop's test bends. Working
// out a test bend and reading a file are the library's; the form shows its answer and puts a
// refusal at the field it names.
//
// Nothing typed is lost on the way: where the browser will not store the file (its storage full,
// or storage forbidden), the file stays in the page's memory and is offered for export; a stored
// file the library cannot read (broken, or of a newer version) is named, never written over, and
// left out of the calculation until the user has exported or deleted it; and a test bend entered
// in another tab of this browser counts here too.

import { download } from './profile_files.js';

const storageKey = 'kantrix-werkstoffe';

let kept = ''; // the user's materials file as this page has it, or '' where there is none
let unsaved = false; // true where the browser refused to store `kept`
let broken = null; // {text, message}: what is stored, which the library does not read

function readStorage() {
  try {
    return localStorage.getItem(storageKey) ?? '';
  } catch {
    return '';
  }
}

// Stores the materials file; returns null, or why the browser refused it. It is kept in memory
// either way.
function store(text) {
  kept = text;
  try {
    localStorage.setItem(storageKey, text);
    unsaved = false;
    return null;
  } catch (error) {
    unsaved = true;
    return error?.name === 'QuotaExceededError' ? 'sein Speicher ist voll' : String(error?.message ?? error);
  }
}

// The user's materials file, or '' where there is none or the stored one cannot be read.
export function storedMaterials() {
  return kept;
}

// The form's fields by the command line's names of `kantrix-cli probebiegung`.
const fieldIds = { werkstoff: 'ProbeWerkstoff', dicke: 'ProbeDicke', matrize: 'ProbeMatrize', radius: 'ProbeRadius',
  winkel: 'ProbeWinkel', winkelEingestellt: 'ProbeEingestellt', zuschnitt: 'ProbeZuschnitt' };

export class MaterialsPanel {
  // `changed` is called after the stored materials changed.
  constructor(document, kantrix, changed) {
    this.document = document;
    this.kantrix = kantrix;
    this.changed = changed;
    this.fields = Object.fromEntries(Object.entries(fieldIds).map(([name, id]) => [name, document.getElementById(id)]));
    this.legs = [document.getElementById('ProbeSchenkelA'), document.getElementById('ProbeSchenkelB')];
    this.answer = document.getElementById('ProbeErgebnis');
    this.message = document.getElementById('ProbeMeldung');
    this.fileMessage = document.getElementById('Werkstoffmeldung');
    this.addButton = document.getElementById('ProbeEintragen');
    this.exportButton = document.getElementById('WerkstoffeExportieren');
    this.brokenNote = document.getElementById('Gespeichert');
    for (const input of [...Object.values(this.fields), ...this.legs]) {
      if (input.tagName === 'INPUT')
        for (const [name, value] of Object.entries({ inputmode: 'decimal', autocomplete: 'off', spellcheck: 'false' }))
          input.setAttribute(name, value);
      input.addEventListener(input.tagName === 'SELECT' ? 'change' : 'input', () => this.workOut());
    }
    this.addButton.addEventListener('click', () => this.add());
    this.exportButton.addEventListener('click', () => this.exportFile());
    const picker = document.getElementById('WerkstoffDatei');
    document.getElementById('WerkstoffeImportieren').addEventListener('click', () => picker.click());
    picker.addEventListener('change', async () => {
      const file = picker.files[0];
      picker.value = '';
      if (!file)
        return;
      // A file this large would not fit the module's memory: it is refused before it gets there.
      if (file.size > this.kantrix.maxInputSize)
        this.report(this.kantrix.tooLargeMessage(file.name), true);
      else
        this.importFile(await file.text(), file.name);
    });
    document.getElementById('GespeichertExportieren').addEventListener('click',
      () => download('werkstoffe.json', broken.text, 'application/json'));
    document.getElementById('GespeichertLoeschen').addEventListener('click', () => this.startAfresh());
    window.addEventListener('storage', (event) => {
      // What this tab could not store stays as it is, to be exported; it is not replaced.
      if (event.storageArea === localStorage && (event.key === storageKey || event.key === null) && !unsaved)
        this.load();
    });
    this.load({ initial: true });
  }

  // Takes the stored materials file, or names it where the library cannot read it.
  load({ initial = false } = {}) {
    const text = readStorage();
    const problem = text === '' ? {} : this.kantrix.checkMaterials(text);
    broken = problem.message ? { text, message: problem.message } : null;
    kept = broken ? '' : text;
    this.brokenNote.hidden = !broken;
    if (broken)
      this.document.getElementById('GespeichertMeldung').textContent = `${broken.message}. Die Seite rechnet ohne `
        + 'die Werkstoffe dieses Browsers und schreibt nichts über sie, bis sie exportiert oder gelöscht sind.';
    // At start-up the form is worked out after the part's first results (see startPage).
    if (initial)
      return;
    this.changed();
    this.workOut();
  }

  // Deletes a stored materials file the library cannot read, once the user confirms it.
  startAfresh() {
    if (!window.confirm('Die gespeicherten Werkstoffe mit allen Probebiegungen löschen? Das lässt sich nicht '
      + 'rückgängig machen; exportiert bleiben sie als Datei erhalten.'))
      return;
    try {
      localStorage.removeItem(storageKey);
    } catch {
      // Storage that cannot be written holds nothing to remove either.
    }
    this.load();
    this.report('Die gespeicherten Werkstoffe sind gelöscht.', false);
  }

  // True where the stored file must first be exported or deleted; says so.
  blocked() {
    if (broken)
      this.report('Die gespeicherten Werkstoffe sind nicht zu lesen: erst exportieren oder löschen (oben).', true);
    return broken !== null;
  }

  // The materials to choose from, as the profile's select has them.
  setMaterials(options) {
    const select = this.fields.werkstoff;
    const chosen = select.value;
    select.replaceChildren(...options.filter((option) => option.value !== '').map((option) => option.cloneNode(true)));
    select.value = chosen;
    // Where the chosen one is gone, or none was chosen yet, the first is shown, never a blank.
    if (select.value !== chosen || select.selectedIndex < 0)
      select.selectedIndex = 0;
  }

  options() {
    const options = {};
    for (const [name, input] of Object.entries(this.fields))
      if (input.value.trim() !== '' || ['werkstoff', 'dicke', 'winkel', 'zuschnitt'].includes(name))
        options[name] = input.value;
    options.schenkel = this.legs.map((leg) => leg.value).join('/');
    return options;
  }

  // Shows the library's answer, or its refusal at its field. Returns the answer.
  show(answer) {
    for (const input of [...Object.values(this.fields), ...this.legs])
      input.removeAttribute('aria-invalid');
    if (answer.refusal) {
      const at = answer.refusal.item === 'schenkel' ? this.legs : [this.fields[answer.refusal.item]].filter(Boolean);
      // A field not yet filled in only still lacks, and an untouched form says nothing.
      const empty = (input) => input.value.trim() === '';
      const missing = at.length > 0 && at.every(empty);
      this.message.textContent = missing ? `${at[0].getAttribute('aria-label').split(',')[0]} fehlt noch.`
        : answer.refusal.message;
      this.message.classList.toggle('missing', missing);
      this.message.hidden = [...Object.values(this.fields), ...this.legs].every((input) => input.tagName === 'SELECT' || empty(input));
      if (!missing)
        for (const input of at)
          input.setAttribute('aria-invalid', 'true');
      this.answer.classList.add('not-current');
      this.addButton.disabled = true;
      return answer;
    }
    this.message.hidden = true;
    const json = JSON.parse(answer.json);
    const put = (id, number) => { this.document.getElementById(id).textContent = number ? number.text : '–'; };
    put('ProbeK', json.k);
    put('ProbeV', json.v);
    put('ProbeKDin', json.k_din);
    put('ProbeVDin', json.v_din);
    put('ProbeRueckfederung', json.rueckfederung);
    this.answer.classList.remove('not-current');
    this.answer.hidden = false;
    this.addButton.disabled = false;
    return answer;
  }

  workOut() {
    return this.show(this.kantrix.workOutTestBend(this.options(), storedMaterials()));
  }

  add() {
    if (this.blocked())
      return;
    const answer = this.show(this.kantrix.addTestBend(this.options(), storedMaterials()));
    if (answer.refusal)
      return;
    if (answer.alreadyThere) {
      this.report(answer.report, false);
      return;
    }
    const refused = store(answer.materials);
    if (refused)
      this.notStored(`Die Probebiegung ist bei ${this.fields.werkstoff.value} eingetragen`, refused);
    else
      this.report(answer.report, false);
    this.changed();
  }

  // Says that the browser did not store the materials, and offers their export.
  notStored(what, why) {
    this.report(`${what}; der Browser speichert die Werkstoffe aber nicht (${why}): sie gelten nur, solange die `
      + 'Seite offen ist. „Werkstoffe exportieren“ sichert sie als Datei.', true);
    this.exportButton.focus();
  }

  exportFile() {
    const text = storedMaterials();
    if (text === '') {
      this.report('Im Browser sind noch keine eigenen Werkstoffe und Probebiegungen.', false);
      return;
    }
    download('werkstoffe.json', text, 'application/json');
    this.report('„werkstoffe.json“ heruntergeladen.', false);
  }

  // A materials file is merged into the browser's by the library, if it reads the file whole;
  // else nothing changes.
  importFile(text, fileName) {
    if (this.blocked())
      return;
    const read = this.kantrix.importMaterials(text, fileName, storedMaterials());
    if (read.message) {
      this.report(read.message, true);
      return;
    }
    const refused = store(read.materials);
    if (refused)
      this.notStored(read.report.replace(/\.$/, ''), refused);
    else
      this.report(read.report, false);
    this.changed();
    this.workOut();
  }

  report(text, refused) {
    this.fileMessage.textContent = text;
    this.fileMessage.classList.toggle('refused', refused);
  }
}
