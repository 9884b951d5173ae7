// The profile's files: downloads of the texts the library wrote (the .kprofil, the blank's DXF
// and SVG), byte for byte as UTF-8, and a .kprofil read from the file picker or dropped on the
// page, which the library reads or refuses with its message.

export function download(fileName, text, type) {
  const url = URL.createObjectURL(new Blob([text], { type }));
  const link = document.createElement('a');
  link.href = url;
  link.download = fileName;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

// Calls `opened(text, fileName)` with the text of a file that is chosen or dropped, or `refused`
// with the library's message for one larger than the module takes, which it never sees.
export function acceptFiles(document, kantrix, refused, opened) {
  const take = async (file) => {
    if (file.size > kantrix.maxInputSize)
      refused(kantrix.tooLargeMessage(file.name));
    else
      opened(await file.text(), file.name);
  };
  const picker = document.getElementById('Datei');
  document.getElementById('Oeffnen').addEventListener('click', () => picker.click());
  picker.addEventListener('change', () => {
    const file = picker.files[0];
    picker.value = '';
    if (file)
      take(file);
  });
  const body = document.body;
  body.addEventListener('dragover', (event) => {
    if (![...event.dataTransfer.types].includes('Files'))
      return;
    event.preventDefault();
    event.dataTransfer.dropEffect = 'copy';
    body.classList.add('dropping');
  });
  body.addEventListener('dragleave', (event) => {
    if (event.relatedTarget === null)
      body.classList.remove('dropping');
  });
  body.addEventListener('drop', (event) => {
    event.preventDefault();
    body.classList.remove('dropping');
    const file = event.dataTransfer.files[0];
    if (file)
      take(file);
  });
}
