// Draws the window's client area from the form's description, which comes from the core: frames
// with their rows (caption, field, unit), the sketch and the logo. Positions arrive in pixels at
// 96 dots per inch and are drawn as multiples of --px, the scale set in the style sheet.
import { cssColour } from './field_set.js';

function scaled(pixels) {
  return `calc(${pixels} * var(--px))`;
}

function place(element, rect) {
  element.style.left = scaled(rect.left);
  element.style.top = scaled(rect.top);
  element.style.width = scaled(rect.width);
  element.style.height = scaled(rect.height);
  return element;
}

function make(document, tag, className, id) {
  const element = document.createElement(tag);
  if (className)
    element.className = className;
  if (id)
    element.id = id;
  return element;
}

function drawLabel(document, label, kind, bold) {
  const element = place(make(document, 'div', `label ${kind}${bold ? ' bold' : ''}`, label.name), label.rect);
  element.textContent = label.text;
  // The field carries the caption and unit as its accessible name; the labels would repeat it.
  element.setAttribute('aria-hidden', 'true');
  return element;
}

function drawField(document, field, bold) {
  const input = place(make(document, 'input', `field ${field.input ? 'input' : 'result'}${bold ? ' bold' : ''}`, field.name), field.rect);
  input.type = 'text';
  input.value = 'Text1';
  input.autocomplete = 'off';
  input.spellcheck = false;
  input.setAttribute('autocapitalize', 'off');
  input.setAttribute('autocorrect', 'off');
  input.setAttribute('aria-label', field.accessibleName);
  input.dataset.backColor = String(field.backColor);
  input.style.backgroundColor = cssColour(field.backColor);
  if (field.toolTip)
    input.title = field.toolTip;
  if (field.input) {
    input.inputMode = 'decimal';
  } else {
    input.readOnly = true;
    input.tabIndex = -1;
  }
  return input;
}

function drawPicture(document, picture) {
  const box = place(make(document, 'div', 'picture', picture.name), picture.rect);
  box.setAttribute('role', 'img');
  box.setAttribute('aria-label', picture.accessibleName);
  if (picture.toolTip)
    box.title = picture.toolTip;
  if (picture.takesFocus)
    box.tabIndex = 0;
  const image = make(document, 'img');
  image.alt = '';
  image.draggable = false;
  image.decoding = 'sync';
  // Unscaled at the top-left corner, as the window draws it: the image's own size times the scale.
  // It is placed when it arrives.
  image.onload = () => {
    image.style.width = scaled(image.naturalWidth);
    image.style.height = scaled(image.naturalHeight);
  };
  box.append(image);
  return { box, load: () => { image.src = picture.file; } };
}

// Loads the face before anything is drawn, so every caption is measured in it. The file names
// follow the family's name.
async function loadFace(document, family) {
  const file = family.replaceAll(' ', '');
  const faces = [
    new FontFace(family, `url(fonts/${file}-Regular.woff2)`, { weight: '400' }),
    new FontFace(family, `url(fonts/${file}-Bold.woff2)`, { weight: '700' }),
  ];
  await Promise.all(faces.map((face) => face.load()));
  for (const face of faces)
    document.fonts.add(face);
}

// Returns the function that asks for the pictures: the caller calls it once the first results are
// on screen.
export async function drawForm(root, description) {
  const document = root.ownerDocument;
  await loadFace(document, description.faceFamily);

  const style = document.documentElement.style;
  style.setProperty('--form-width', description.width);
  style.setProperty('--form-height', description.height);
  style.setProperty('--face-family', `"${description.faceFamily}"`);
  style.setProperty('--face-size', description.facePixelSize);
  style.setProperty('--form-background', cssColour(description.colours.form));
  style.setProperty('--face', cssColour(description.colours.buttonFace));
  style.setProperty('--text', cssColour(description.colours.text));
  document.title = description.caption;

  // Rows are added top to bottom, so where two fields overlap the lower lies on top.
  for (const frame of description.frames) {
    const box = place(make(document, 'div', 'frame', frame.name), frame.rect);
    box.setAttribute('role', 'group');
    box.setAttribute('aria-label', frame.text);
    box.append(make(document, 'div', 'frame-line'));
    const title = make(document, 'div', `frame-title${description.frameCaptionBold ? ' bold' : ''}`);
    title.textContent = frame.text;
    title.setAttribute('aria-hidden', 'true');
    box.append(title);
    for (const row of frame.rows) {
      box.append(drawLabel(document, row.caption, 'caption', row.bold));
      box.append(drawField(document, row.field, row.bold));
      if (row.unit)
        box.append(drawLabel(document, row.unit, 'unit', row.bold));
    }
    root.append(box);
  }
  const pictures = description.pictures.map((picture) => drawPicture(document, picture));
  root.append(...pictures.map(({ box }) => box));
  return () => pictures.forEach(({ load }) => load());
}
