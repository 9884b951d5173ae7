// Starts a part's page, the profile's or the box's: loads the module they share, takes the part
// from the link, and after every edit lets the library read, check and work out the entry. An
// accepted entry shows its results and becomes the link; a refused one is shown at its field while
// the last results stay. The materials are the built-in ones, the user's own kept in this browser
// with their test bends, and the one a link or a part's file carries.
import createKantrixProfil from './kantrix_profil.js';
import { fragmentOf, optionsOfFragment } from './profile_link.js';
import { acceptFiles, download } from './profile_files.js';
import { MaterialsPanel, storedMaterials } from './profile_materials.js';

// `part` holds what differs between the pages: its Editor and Results classes, the library's
// functions `calculate`, `files` and `readFile` by name, the `linkNames`, the `faultItem` a fault
// of the library is shown at, `show(answer, editor, results)` which shows an accepted answer and
// returns the words to announce, the `downloads` ([button id, file name's end, key, type, and the
// answer's key whose null turns the button off where it is not the download's own]), and the words
// of an invalid link and of a copied one. A download's key is the answer's (a drawing shown) or
// that of the files the library makes when one is asked for.
export async function startPage(part) {
  const kantrix = await createKantrixProfil();
  const results = new part.Results(document);
  const announcement = document.getElementById('Ansage');
  const linkMessage = document.getElementById('LinkMeldung');
  const fileMessage = document.getElementById('Dateimeldung');
  const materialNote = document.getElementById('Werkstoffhinweis');

  let accepted = null; // the last answer the library gave for an accepted entry
  let carried = ''; // the materials file a link or a part's file brought along, or ''
  let dies = [];
  let announceTimer = 0;
  let announced = '';

  // A new result is announced once typing pauses, not at every key.
  function announce(text) {
    clearTimeout(announceTimer);
    announceTimer = setTimeout(() => {
      if (text !== announced)
        announcement.textContent = announced = text;
    }, 500);
  }

  // A download the part has nothing for (a profile's blank without a width) stays off.
  function enableFiles() {
    const current = accepted && !document.getElementById('Ergebnis').classList.contains('not-current');
    for (const [id, , key, , shownAs] of part.downloads)
      document.getElementById(id).disabled = !current || accepted[shownAs ?? key] === null;
    document.getElementById('LinkKopieren').disabled = !current;
  }

  // Works out the entry. Returns true when the library accepted it.
  function recalculate(editor, { initial = false } = {}) {
    const refusal = editor.slashRefusal();
    const answer = refusal ? { refusal } : kantrix[part.calculate](editor.options(), storedMaterials(), carried);
    if (answer.refusal || answer.fault) {
      editor.showRefusal(answer.refusal ?? { item: part.faultItem, index: 0, message: answer.fault });
      results.setCurrent(false);
      enableFiles();
      return false;
    }
    editor.showRefusal(null);
    editor.showDieRadius(answer.dieRadius);
    editor.setDies(dies, answer.suggestedDie);
    materialNote.textContent = answer.materialNote ?? '';
    materialNote.hidden = !answer.materialNote;
    accepted = answer;
    const text = part.show(answer, editor, results);
    if (!initial)
      announce(text);
    history.replaceState(null, '', fragmentOf({ ...answer.options, werkstoffdaten: answer.carried }, part.linkNames));
    enableFiles();
    return true;
  }

  const editor = new part.Editor(document, (changed) => {
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

  // Opens a part's options with the material they carry. The material is chosen by the name the
  // library gave it, which may differ in case from the one typed or linked.
  function openOptions(options, withMaterial) {
    carried = withMaterial ?? '';
    showChoices();
    const answer = kantrix[part.calculate](options, storedMaterials(), carried);
    editor.setOptions(answer.options ? { ...options, werkstoff: answer.options.werkstoff } : options);
    return answer;
  }

  // The part of the link, or its refusal above an empty part.
  function openLink() {
    const read = optionsOfFragment(location.hash, part.linkNames);
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
      linkMessage.textContent = `${part.invalidLink}: ${message}`;
      linkMessage.hidden = false;
      return;
    }
    recalculate(editor, { initial: true });
  }

  // The test bends entered or imported count at once, for the part on the page too.
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
    const read = kantrix[part.readFile](text, fileName);
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

  // The files of the accepted part, made once it is first downloaded.
  function filesOf(answer) {
    answer.files ??= kantrix[part.files](answer.options, storedMaterials(), carried);
    return answer.files;
  }

  for (const [id, suffix, key, type] of part.downloads) {
    document.getElementById(id).addEventListener('click', () => {
      const files = key in accepted ? accepted : filesOf(accepted);
      if (files.message)
        refuseFile(files.message);
      else
        download(`${accepted.name}${suffix}`, files[key], type);
    });
  }
  document.getElementById('LinkKopieren').addEventListener('click', async () => {
    const linkText = document.getElementById('LinkText');
    try {
      await navigator.clipboard.writeText(location.href);
      fileMessage.textContent = part.linkCopied;
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
  // The test bend's form is worked out once the part's results are there.
  materials.workOut();

  if ('serviceWorker' in navigator)
    navigator.serviceWorker.register('service_worker.js');
}
