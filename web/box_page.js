// Starts the box page as the profile page starts: the box's entry and results, its link's names
// and its files, among them the folded box's view.
import { BoxEditor, boxOptionNames } from './box_editor.js';
import { BoxResults } from './box_results.js';
import { startPage } from './part_page.js';

const pressNames = ['werkstoff', 'matrize', 'presse', 'walzrichtung'];

await startPage({
  Editor: BoxEditor,
  Results: BoxResults,
  calculate: 'calculateBox',
  files: 'boxFiles',
  readFile: 'readBoxFile',
  linkNames: [...boxOptionNames, 'werkstoffdaten'],
  faultItem: 'waende',
  show(answer, editor, results) {
    editor.markShortWalls(answer.shortWalls);
    const pressBrake = pressNames.some((name) => name in answer.options);
    const json = results.show(answer, pressBrake, answer.shortWalls);
    return `Zuschnitt ${json.zuschnitt.laenge.text} × ${json.zuschnitt.breite.text} mm`;
  },
  downloads: [['Speichern', '.kkasten', 'file', 'application/x-kantrix-kasten'], ['DxfLaden', '.dxf', 'dxf', 'application/dxf'],
    ['SvgLaden', '.svg', 'blank', 'image/svg+xml'], ['AnsichtLaden', ' Ansicht.svg', 'folded', 'image/svg+xml']],
  invalidLink: 'Der Link beschreibt keinen gültigen Kasten',
  linkCopied: 'Der Link zum Kasten ist kopiert.',
});
