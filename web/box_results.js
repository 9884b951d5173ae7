// The results of a box as the library writes them: its JSON answer, whose number texts are shown
// as they are (the command line's digits), and its two drawings, the blank and the folded box, set
// inline as SVG. Every wall present has a row of its bend line and edges in the blank, and at the
// press brake one of its force, least flange and angle to set. After a refusal the last results
// stay and are marked as not current.

import { PartResults, cell, headersOf, row, setLine, showDrawing, showNumber, textOf } from './profile_results.js';
import { sides } from './box_editor.js';

export class BoxResults extends PartResults {
  constructor(document) {
    super(document);
    const byId = (id) => document.getElementById(id);
    this.outputs = { laenge: byId('ZuschnittLaenge'), breite: byId('ZuschnittBreite'), flaeche: byId('Flaeche'),
      masse: byId('Masse'), force: byId('F') };
    this.plate = byId('Blech');
    this.forceLine = byId('Kraftzeile');
    this.walls = byId('Waende');
    this.edges = byId('Kanten');
    this.pressPart = byId('Abkantpresse');
    this.pressTable = byId('Pressdaten');
    this.blank = byId('Zuschnitt');
    this.folded = byId('Ansicht');
  }

  // Shows an accepted box's answer: its JSON text and its drawings. `pressBrake` is whether the
  // box has a material, die, press or rolling direction.
  show(answer, pressBrake, shortWalls) {
    const json = JSON.parse(answer.json);
    for (const name of ['laenge', 'breite', 'flaeche', 'masse'])
      showNumber(this.outputs[name], json.zuschnitt[name]);
    showNumber(this.outputs.force, pressBrake ? json.kraft_max : null);
    this.forceLine.hidden = !pressBrake;
    setLine(this.plate, ['Blechdicke s = ', json.dicke, ' mm, Biegeradius r = ', json.radius, ' mm; außen A = ',
      json.laenge.aussen, ' mm, B = ', json.breite.aussen, ' mm']);
    const present = sides.filter((side) => json.waende[side]);
    const wallHeaders = headersOf(this.walls);
    this.walls.tBodies[0].replaceChildren(...present.map((side) => {
      const wall = json.waende[side];
      return row([cell(side), cell(wall.hoehe.eingegeben.text), cell(wall.hoehe.aussen.text), cell(wall.gerade.text),
        cell(wall.biegelinie.text, `Biegelinie Wand ${side}, Millimeter`), cell(wall.biegelaenge.text)], wallHeaders);
    }));
    const edgeHeaders = headersOf(this.edges);
    this.edges.tBodies[0].replaceChildren(...present.map((side) => {
      const wall = json.waende[side];
      return row([cell(side), cell(wall.von.text), cell(wall.bis.text), cell(wall.kante_von.text),
        cell(wall.kante_bis.text)], edgeHeaders);
    }));
    this.pressPart.hidden = !pressBrake;
    const pressHeaders = headersOf(this.pressTable);
    this.pressTable.tBodies[0].replaceChildren(...(pressBrake ? present : []).map((side) => {
      const wall = json.waende[side];
      const line = row([cell(side), cell(textOf(wall.kraft), `Kraft Wand ${side}, Kilonewton`),
        cell(textOf(wall.kleinster_schenkel), `Kleinster Schenkel an Wand ${side}, Millimeter`),
        cell(textOf(wall.winkel_eingestellt), `Einstellwinkel Wand ${side}, Grad`)], pressHeaders);
      line.classList.toggle('short', shortWalls.includes(side));
      return line;
    }));
    showDrawing(this.blank, answer.blank);
    showDrawing(this.folded, answer.folded);
    return this.finish(json);
  }
}
