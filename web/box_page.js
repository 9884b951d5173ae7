// Starts the box page: loads the module it shares with the profile page, takes the box from the
// link, and after every edit lets the library read, check and work out the entry. An accepted
// entry shows its results and becomes the link; a refused one is shown at its field while the
// last results stay. The materials are those of the profile page: the built-in ones, the user's
// own kept in this browser with their test bends, and the one a link or a .kkasten file carries.
import createKantrixProfil from './kantrix_profil.js';
import { BoxEditor, boxOptionNames } from './box_editor.js';
import { BoxResults } from './box_results.js';
import { fragmentOf, optionsOfFragment } from './profile_link.js';
import { acceptFiles, download } from './profile_files.js';
import { MaterialsPanel, storedMaterials } from './profile_materials.js';

const linkNames = [...boxOptionNames, 'werkstoffdaten'];
const pressNames = ['werkstoff', 'matrize', 'presse', 'walzrichtung'];

const kantrix = await createKantrixProfil();
const results = new BoxResults(document);
const announcement = document.getElementById('Ansage');
const linkMessage = document.getElementById('LinkMeldung');
const fileMessage = document.getElementById('Dateimeldung');
const materialNote = document.getElementById('Werkstoffhinweis');
const fileButtons = ['Speichern', 'DxfLaden', 'SvgLaden', 'AnsichtLaden', 'LinkKopieren']
  .map((id) => document.getElementById(id));

let accepted = null; // the last answer the library gave for an accepted entry
let carried = ''; // the materials file a link or a box's file brought along, or ''
let dies = [];
let announceTimer = 0;
let announced = '';

// A new blank is announced once typing pauses, not at every key.
function announce(json) {
  clearTimeout(announceTimer);
  announceTimer = setTimeout(() => {
    const text = `Zuschnitt ${json.zuschnitt.laenge.text} × ${json.zuschnitt.breite.text} mm`;
    if (text !== announced)
      announcement.textContent = announced = text;
  }, 500);
}

function enableFiles() {
  const current = accepted && !document.getElementById('Ergebnis').classList.contains('not-current');
  for (const button of fileButtons)
    button.disabled = !current;
}

// Works out the entry. Returns true when the library accepted it.
function recalculate(editor, { initial = false } = {}) {
  const refusal = editor.slashRefusal();
  const answer = refusal ? { refusal } : kantrix.calculateBox(editor.options(), storedMaterials(), carried);
  if (answer.refusal || answer.fault) {
    editor.showRefusal(answer.refusal ?? { item: 'waende', index: 0, message: answer.fault });
    results.setCurrent(false);
    enableFiles();
    return false;
  }
  editor.showRefusal(null);
  editor.showDieRadius(answer.dieRadius);
  editor.setDies(dies, answer.suggestedDie);
  editor.markShortWalls(answer.shortWalls);
  materialNote.textContent = answer.materialNote ?? '';
  materialNote.hidden = !answer.materialNote;
  accepted = answer;
  const pressBrake = pressNames.some((name) => name in answer.options);
  const json = results.show(answer, pressBrake, answer.shortWalls);
  if (!initial)
    announce(json);
  history.replaceState(null, '', fragmentOf({ ...answer.options, werkstoffdaten: answer.carried }, linkNames));
  enableFiles();
  return true;
}

const editor = new BoxEditor(document, (changed) => {
  linkMessage.hidden = true;
  recalculate(changed);
});

// The materials to choose from: the built-in ones, the user's and the carried one.
function showChoices() {
  const choices = kantrix.profileChoices(storedMaterials(), carried);
  if (choices.message)
    return choices.message;
  dies = choices.dies;
  editor.setMaterials(choices.materials);
  materials.setMaterials([...document.getElementById('Werkstoff').options]);
  editor.setDies(dies, accepted ? accepted.suggestedDie : null);
  return null;
}

// Opens a box's options with the material they carry. The material is chosen by the name the
// library gave it, which may differ in case from the one typed or linked.
function openOptions(options, withMaterial) {
  carried = withMaterial ?? '';
  showChoices();
  const answer = kantrix.calculateBox(options, storedMaterials(), carried);
  editor.setOptions(answer.options ? { ...options, werkstoff: answer.options.werkstoff } : options);
  return answer;
}

// The box of the link, or its refusal above an empty box.
function openLink() {
  const read = optionsOfFragment(location.hash, linkNames);
  linkMessage.hidden = true;
  if (read.options === null) {
    carried = '';
    showChoices();
    editor.setEmpty();
    recalculate(editor, { initial: true });
    return;
  }
  let message = read.message;
  if (!message) {
    const { werkstoffdaten, ...options } = read.options;
    const answer = openOptions(options, werkstoffdaten);
    if (answer.refusal || answer.fault)
      message = answer.refusal ? answer.refusal.message : answer.fault;
  }
  if (message) {
    carried = '';
    showChoices();
    editor.setEmpty();
    recalculate(editor, { initial: true });
    linkMessage.textContent = `Der Link beschreibt keinen gültigen Kasten: ${message}`;
    linkMessage.hidden = false;
    return;
  }
  recalculate(editor, { initial: true });
}

// The test bends entered or imported count at once, for the box on the page too.
const materials = new MaterialsPanel(document, kantrix, () => {
  showChoices();
  recalculate(editor);
});

window.addEventListener('hashchange', openLink);
openLink();

function refuseFile(message) {
  fileMessage.textContent = message;
  fileMessage.classList.add('refused');
}

acceptFiles(document, kantrix, refuseFile, (text, fileName) => {
  const read = kantrix.readBoxFile(text, fileName);
  if (read.message) {
    refuseFile(read.message);
    return;
  }
  linkMessage.hidden = true;
  openOptions(read.options, read.carried);
  recalculate(editor);
  fileMessage.textContent = `„${fileName}“ geöffnet.`;
  fileMessage.classList.remove('refused');
});

for (const [id, suffix, text, type] of [
  ['Speichern', '.kkasten', 'file', 'application/x-kantrix-kasten'], ['DxfLaden', '.dxf', 'dxf', 'application/dxf'],
  ['SvgLaden', '.svg', 'blank', 'image/svg+xml'], ['AnsichtLaden', ' Ansicht.svg', 'folded', 'image/svg+xml']])
  document.getElementById(id).addEventListener('click', () => download(`${accepted.name}${suffix}`, accepted[text], type));
document.getElementById('LinkKopieren').addEventListener('click', async () => {
  const linkText = document.getElementById('LinkText');
  try {
    await navigator.clipboard.writeText(location.href);
    fileMessage.textContent = 'Der Link zum Kasten ist kopiert.';
    linkText.hidden = true;
  } catch {
    // Without the clipboard the link is offered selected, to be copied by hand.
    fileMessage.textContent = 'Der Link konnte nicht kopiert werden; er steht markiert hier:';
    linkText.value = location.href;
    linkText.hidden = false;
    linkText.select();
  }
  fileMessage.classList.remove('refused');
});

performance.mark('kantrix-ready');
document.documentElement.dataset.ready = 'true';

if ('serviceWorker' in navigator)
  navigator.serviceWorker.register('service_worker.js');
