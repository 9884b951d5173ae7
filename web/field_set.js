// The field set over the page's elements: the six field operations the core's rules work
// through, addressed by control name ("Txt_Radius", "Txt_l(3)"), which is each element's id.
// Selection positions count characters, as the core counts them, not UTF-16 code units.

// An OLE colour (red in the low byte, then green, then blue) as CSS.
export function cssColour(colour) {
  return `rgb(${colour & 0xff}, ${(colour >>> 8) & 0xff}, ${(colour >>> 16) & 0xff})`;
}

// The UTF-16 offset of the character at index `characters` of `text`.
function codeUnits(text, characters) {
  let offset = 0;
  for (let i = 0; i < characters && offset < text.length; ++i)
    offset += text.codePointAt(offset) > 0xffff ? 2 : 1;
  return offset;
}

export class ElementFieldSet {
  constructor(document) {
    this.document = document;
  }

  element(name) {
    const element = this.document.getElementById(name);
    if (!element)
      throw new Error(`no field ${name}`);
    return element;
  }

  text(name) {
    return this.element(name).value;
  }

  setText(name, text) {
    this.element(name).value = text;
  }

  setSelectionStart(name, start) {
    const element = this.element(name);
    const offset = codeUnits(element.value, start);
    element.setSelectionRange(offset, offset);
  }

  setSelectionLength(name, length) {
    const element = this.element(name);
    const start = element.selectionStart;
    const end = start + codeUnits(element.value.slice(start), length);
    element.setSelectionRange(start, end);
  }

  backColor(name) {
    return Number(this.element(name).dataset.backColor);
  }

  setBackColor(name, colour) {
    const element = this.element(name);
    element.dataset.backColor = String(colour);
    element.style.backgroundColor = cssColour(colour);
  }
}
