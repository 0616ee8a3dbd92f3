// The data in the browser: kojinfl.txt and kojinfl2.txt in IndexedDB
// (emscripten's IDBFS, mounted at DATA), one command at a time across the
// page's tabs under a Web Lock, as the file lock orders programs on the
// desktop; files the program saves go to the user as downloads.

export const DATA = '/data';
export const CONFIG = '/config';
const DOWNLOADS = '/downloads';
const UPLOADS = '/uploads';
const LOCK = 'biorhythm-register';
export const LAST_ENTRY = 'kojinfl.txt';
export const REGISTER = 'kojinfl2.txt';
const RECORD_BYTES = 42;

// The files are UTF-8 (the calendar) or the program's own bytes: a phone
// opens a .ics with its calendar by the type alone.
const TYPES = {
  csv: 'text/csv', ics: 'text/calendar;charset=utf-8', txt: 'text/plain', png: 'image/png',
};

export function download(name, bytes) {
  const type = TYPES[name.split('.').pop()] ?? 'application/octet-stream';
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 60_000);
}

export class Storage {
  // `firstRecord` is called once a command has put the first record into
  // an empty register.
  constructor(fs, firstRecord = () => {}) {
    this.fs = fs;
    this.firstRecord = firstRecord;
    for (const dir of [DATA, CONFIG, DOWNLOADS, UPLOADS]) fs.mkdir(dir);
    fs.mount(fs.filesystems.IDBFS, {}, DATA);
    // Saved files are named by the file dialog alone: they land here.
    fs.chdir(DOWNLOADS);
  }

  // One command, its files first read again from IndexedDB (another tab may
  // have written them) and stored there once it is done. Tabs wait for each
  // other; without the Web Locks API the page runs alone.
  exclusive(task) {
    const run = async () => {
      await this.load();
      const before = this.records();
      try {
        return await task();
      } finally {
        await this.store();
        if (before === 0 && this.records() > 0) this.firstRecord();
      }
    };
    return navigator.locks ? navigator.locks.request(LOCK, run) : run();
  }

  // Read again only when some tab has stored since this one last read or
  // stored: every store first leaves a new mark that all the page's tabs
  // see (localStorage, read at once under the lock).
  async load() {
    const stored = storedMark();
    if (stored !== null && stored === this.mark) return;
    await this.sync(true);
    this.mark = stored;
    this.held = this.snapshot();
    for (const name of this.held.keys()) {
      this.stamp = Math.max(this.stamp ?? 0, this.fs.stat(`${DATA}/${name}`).mtime.getTime());
    }
  }

  // The data files the command changed into IndexedDB (nothing when it
  // changed none), and what was saved to the user. IDBFS copies a file only
  // when its time differs from the stored copy's: a clock that stands still
  // or goes back would keep a write from the browser's storage, or from
  // another tab. So each changed file is stamped with a time later than any
  // stored before, in any tab.
  async store() {
    const now = this.snapshot();
    const changed = [...now].filter(([name, bytes]) => !sameBytes(this.held?.get(name), bytes));
    const removed = [...(this.held?.keys() ?? [])].some((name) => !now.has(name));
    if (changed.length > 0 || removed) {
      // Marked before it is stored: a store cut short still sends every
      // tab, this one too, back to IndexedDB.
      this.mark = null;
      const mark = markStore();
      this.stamp = Math.max(Date.now(), (this.stamp ?? 0) + 1);
      for (const [name] of changed) this.fs.utime(`${DATA}/${name}`, this.stamp, this.stamp);
      await this.sync(false);
      [this.mark, this.held] = [mark, now];
    }
    for (const name of this.fs.readdir(DOWNLOADS)) {
      if (name === '.' || name === '..') continue;
      const path = `${DOWNLOADS}/${name}`;
      download(name, this.fs.readFile(path));
      this.fs.unlink(path);
    }
  }

  // Each data file's bytes, by name.
  snapshot() {
    return new Map(this.dataFiles().map((name) => [name, this.fs.readFile(`${DATA}/${name}`)]));
  }

  // How many records the register holds.
  records() {
    const path = `${DATA}/${REGISTER}`;
    return this.fs.analyzePath(path).exists ? Math.floor(this.fs.stat(path).size / RECORD_BYTES) : 0;
  }

  dataFiles() {
    return this.fs.readdir(DATA).filter((name) => name !== '.' && name !== '..'
      && this.fs.isFile(this.fs.stat(`${DATA}/${name}`).mode));
  }

  sync(populate) {
    return new Promise((resolve, reject) => {
      this.fs.syncfs(populate, (error) => (error ? reject(error) : resolve()));
    });
  }

  // A path the program saves to: a download once stored.
  saveFile(name) { return name; }

  // A chosen file put where the program can open it.
  async upload(file) {
    for (const name of this.fs.readdir(UPLOADS)) {
      if (name !== '.' && name !== '..') this.fs.unlink(`${UPLOADS}/${name}`);
    }
    const path = `${UPLOADS}/${file.name.replaceAll('/', '_')}`;
    this.fs.writeFile(path, new Uint8Array(await file.arrayBuffer()));
    return path;
  }

  // Both data files as they are stored, byte for byte; the missing are left out.
  backup() {
    return this.exclusive(async () => {
      const files = [];
      for (const name of [LAST_ENTRY, REGISTER]) {
        const path = `${DATA}/${name}`;
        if (this.fs.analyzePath(path).exists) files.push([name, this.fs.readFile(path)]);
      }
      return files;
    });
  }

  // Replaces the data files with those given ([name, bytes]); a journal of
  // the old register would otherwise be put back over the new one.
  restore(files) {
    return this.exclusive(async () => {
      const journal = `${DATA}/${REGISTER}-journal`;
      if (this.fs.analyzePath(journal).exists) this.fs.unlink(journal);
      for (const [name, bytes] of files) this.fs.writeFile(`${DATA}/${name}`, bytes);
    });
  }
}

// The mark of the last store of any tab, null where the browser keeps no
// localStorage (then each command reads IndexedDB again).
const MARK = 'biorhythm-register-stored';

function storedMark() {
  try {
    return localStorage.getItem(MARK) ?? '';
  } catch {
    return null;
  }
}

// A mark no tab has seen before.
function markStore() {
  const mark = `${Date.now()}-${Math.random()}`;
  try {
    localStorage.setItem(MARK, mark);
    return mark;
  } catch {
    return null;
  }
}

function sameBytes(a, b) {
  if (!a || a.length !== b.length) return false;
  for (let i = 0; i < a.length; i += 1) if (a[i] !== b[i]) return false;
  return true;
}

// Whether bytes can be a register: whole records of 42 bytes.
export const isRegister = (bytes) => bytes.length % RECORD_BYTES === 0;

// Asks the browser to keep the data when it runs short of space: whether it will.
export async function askToPersist() {
  return navigator.storage?.persist?.().catch(() => false) ?? false;
}
