// Under node the program's environment is the process's own (HOME, XDG_*),
// not emscripten's stand-in for a page.
Module["preRun"] = [() => Object.assign(ENV, process.env)];
