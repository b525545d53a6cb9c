// The players' folder lives in the page's IndexedDB storage, read back before
// the program starts. Its path is the desktop's: datas/joueurs beside the
// program, which SDL places at the root of the browser's file system.
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  var joueurs = "/datas/joueurs";
  FS.mkdirTree(joueurs);
  FS.mount(IDBFS, {}, joueurs);
  addRunDependency("joueurs");
  FS.syncfs(true, function (erreur) {
    if (erreur) console.warn("Lexirama : joueurs enregistrés illisibles", erreur);
    removeRunDependency("joueurs");
  });
});

// "?trace" in the address writes the program's timing events to the console,
// as LEXIRAMA_TRACE does on the desktop: bench/ measures the page by them.
Module.preRun.push(function () {
  if (new URLSearchParams(location.search).has("trace")) ENV.LEXIRAMA_TRACE = "1";
});
