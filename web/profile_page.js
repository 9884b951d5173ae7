// Starts the profile page: the profile's entry and results, its link and its files. What the page
// does with them, the box page does alike.
import { ProfileEditor } from './profile_editor.js';
import { ProfileResults } from './profile_results.js';
import { startPage } from './part_page.js';

await startPage({
  Editor: ProfileEditor,
  Results: ProfileResults,
  calculate: 'calculateProfile',
  files: 'profileFiles',
  readFile: 'readProfileFile',
  faultItem: 'listen',
  show(answer, editor, results) {
    editor.markShortLegs(answer.shortLegs);
    return `Gestreckte Länge L = ${results.show(answer).L.text} mm`;
  },
  downloads: [['Speichern', '.kprofil', 'file', 'application/json'], ['DxfLaden', '.dxf', 'dxf', 'application/dxf', 'blank'],
    ['SvgLaden', '.svg', 'blank', 'image/svg+xml']],
  invalidLink: 'Der Link beschreibt kein gültiges Profil',
  linkCopied: 'Der Link zum Profil ist kopiert.',
});
