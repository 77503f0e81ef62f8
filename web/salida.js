// The module's standard output and error, for a build without Emscripten's
// file system (-sFILESYSTEM=0), linked with --js-library: each write hands
// its bytes, unchanged, to the page's function Module.escriba(fd, bytes),
// which must copy them before it returns. The demonstration's report is
// Windows-1252 text (the "á" of "está" is the one byte 0xE1), which
// Emscripten's own output would read as UTF-8.
mergeInto(LibraryManager.library, {
  fd_write: function (fd, iov, iovcnt, pnum) {
    var escritos = 0;
    for (var i = 0; i < iovcnt; i++) {
      var inicio = HEAPU32[(iov >> 2) + 2 * i];
      var largo = HEAPU32[(iov >> 2) + 2 * i + 1];
      Module['escriba'](fd, HEAPU8.subarray(inicio, inicio + largo));
      escritos += largo;
    }
    HEAPU32[pnum >> 2] = escritos;
    return 0;
  }
});
