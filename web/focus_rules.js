// Binds the form's rules to the focus moving between the page's stops, as the window binds them:
// when the focus arrives at another stop, the leave rule of the field it came from runs (with the
// recalculation), then the enter rule of the field it reached. Focus that leaves the page and
// comes back to the same stop, or goes to the fault message and back, runs nothing; no key and no
// click has a rule of its own. The tab key cycles through the stops in the form's tab order.

export function bindRules({ document, form, tabOrder, onRecalculated, onFault }) {
  const stops = tabOrder.map((name) => document.getElementById(name));
  const isInput = (stop) => stop instanceof HTMLInputElement;
  let current = stops[0];
  let faultShowing = false;

  document.addEventListener('focusin', (event) => {
    const stop = event.target;
    if (!stops.includes(stop) || stop === current)
      return;
    const left = current;
    current = stop;
    if (faultShowing)
      return;
    let fault = '';
    if (isInput(left)) {
      fault = form.leave(left.id);
      onRecalculated();
    }
    if (isInput(stop))
      form.enter(stop.id);
    if (fault) {
      faultShowing = true;
      // Shown once the focus has arrived where the user sent it; it returns there on closing.
      setTimeout(() => onFault(fault, () => {
        faultShowing = false;
        current.focus();
      }));
    }
  });

  // The tab key cycles through the stops and never leaves the form.
  document.addEventListener('keydown', (event) => {
    if (event.key !== 'Tab' || event.altKey || event.ctrlKey || event.metaKey || faultShowing)
      return;
    const at = stops.indexOf(document.activeElement);
    if (at < 0)
      return;
    event.preventDefault();
    const step = event.shiftKey ? stops.length - 1 : 1;
    stops[(at + step) % stops.length].focus();
  });

  // A click that brings the focus into a field selects its text, as the enter rule leaves it; a
  // click in the field that has the focus places the caret. A click anywhere else but on a stop
  // keeps the focus where it is, and while the fault message is open, in the message.
  document.addEventListener('mousedown', (event) => {
    if (faultShowing) {
      // A click on the backdrop of a modal dialog reaches the dialog itself.
      if (event.target instanceof HTMLDialogElement || !event.target.closest('dialog'))
        event.preventDefault();
      return;
    }
    const stop = stops.find((each) => each.contains(event.target));
    if (stop === document.activeElement)
      return;
    event.preventDefault();
    if (stop)
      stop.focus();
  });

  return {
    // The window opens with the focus in the first stop and its enter rule run.
    start() {
      stops[0].focus();
      form.enter(stops[0].id);
    },
  };
}
