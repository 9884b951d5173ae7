// Starts the page: loads the core, draws the form from the core's description, binds the field
// set to the page's elements and the rules to the focus, and runs the start-up.
import createKantrix from './kantrix.js';
import { ElementFieldSet } from './field_set.js';
import { drawForm } from './form_drawing.js';
import { bindRules } from './focus_rules.js';

const kantrix = await createKantrix();
const description = kantrix.description();
const root = document.getElementById('Verdano');
const loadPictures = await drawForm(root, description);

const fields = new ElementFieldSet(document);
const form = new kantrix.Form(fields);

// The two key results are announced politely after each recalculation that changes them.
const announcement = document.getElementById('Announcement');
const keyResults = description.frames.flatMap((frame) => frame.rows).filter((row) => row.bold);
const keyResultsText = () => keyResults
  .map((row) => `${row.caption.text} ${fields.text(row.field.name)}${row.unit ? row.unit.text : ''}`)
  .join(', ');
let announced = '';
function announceKeyResults() {
  const text = keyResultsText();
  if (text !== announced)
    announcement.textContent = announced = text;
}

const message = document.getElementById('FaultMessage');
// A click beside the message's button focuses the dialog itself; the button keeps the keys.
message.addEventListener('focusin', (event) => {
  if (event.target === message)
    document.getElementById('FaultOk').focus();
});
function showFault(text, closed) {
  document.getElementById('FaultText').textContent = text;
  message.addEventListener('close', closed, { once: true });
  message.showModal();
}

const rules = bindRules({
  document,
  form,
  tabOrder: description.tabOrder,
  onRecalculated: announceKeyResults,
  onFault: showFault,
});
const fault = form.load();
if (fault)
  showFault(fault, () => {});
rules.start();
// Only changes are announced; the start-up texts are read with the fields.
announced = keyResultsText();

// For the browser tests: the stored results as bits, and the formulas alone on a bend.
window.kantrix = {
  stateBits: () => form.stateBits(),
  resultBits: (r, s, beta, a, b) => kantrix.resultBits(r, s, beta, a, b),
};
performance.mark('kantrix-ready');
document.documentElement.dataset.ready = 'true';
// An SVG that arrived before the first results were painted was parsed and laid out ahead of
// that frame and held the results back from the screen by some 30 ms (scripts/measure-web).
requestAnimationFrame(() => setTimeout(loadPictures));

if ('serviceWorker' in navigator)
  navigator.serviceWorker.register('service_worker.js');
