// The user's materials in the browser: the materials file of the library, kept in localStorage as
// the library writes it, the "Probebiegung" form that adds test bends to it, and its export and
// import as werkstoffe.json, so that a desktop and a phone share the shop's test bends. Working
// out a test bend and reading a file are the library's; the form shows its answer and puts a
// refusal at the field it names.

import { download } from './profile_files.js';

const storageKey = 'kantrix-werkstoffe';

// The user's materials file, or '' where there is none.
export function storedMaterials() {
  return localStorage.getItem(storageKey) ?? '';
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
    for (const input of [...Object.values(this.fields), ...this.legs]) {
      if (input.tagName === 'INPUT')
        for (const [name, value] of Object.entries({ inputmode: 'decimal', autocomplete: 'off', spellcheck: 'false' }))
          input.setAttribute(name, value);
      input.addEventListener(input.tagName === 'SELECT' ? 'change' : 'input', () => this.workOut());
    }
    this.addButton.addEventListener('click', () => this.add());
    document.getElementById('WerkstoffeExportieren').addEventListener('click', () => this.exportFile());
    const picker = document.getElementById('WerkstoffDatei');
    document.getElementById('WerkstoffeImportieren').addEventListener('click', () => picker.click());
    picker.addEventListener('change', async () => {
      const file = picker.files[0];
      picker.value = '';
      if (file)
        this.importFile(await file.text(), file.name);
    });
    this.workOut();
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
    const answer = this.show(this.kantrix.addTestBend(this.options(), storedMaterials()));
    if (answer.refusal)
      return;
    localStorage.setItem(storageKey, answer.materials);
    this.report(`Die Probebiegung ist bei ${this.fields.werkstoff.value} eingetragen.`, false);
    this.changed();
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
    const read = this.kantrix.importMaterials(text, fileName, storedMaterials());
    if (read.message) {
      this.report(read.message, true);
      return;
    }
    localStorage.setItem(storageKey, read.materials);
    this.report(read.report, false);
    this.changed();
    this.workOut();
  }

  report(text, refused) {
    this.fileMessage.textContent = text;
    this.fileMessage.classList.toggle('refused', refused);
  }
}
