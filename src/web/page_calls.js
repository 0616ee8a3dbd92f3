// The functions of page_calls.h: each hands its call on to the page's
// module (site/page.js) as Module.page.NAME, strings decoded from UTF-8.
mergeInto(LibraryManager.library, {
  page_screen: function(screen, name, caption, width, height, background, fontFamily, fontPoints, fontBold) {
    Module.page.screen(screen, UTF8ToString(name), UTF8ToString(caption), width, height, background, UTF8ToString(fontFamily), fontPoints, fontBold);
  },
  page_control: function(screen, key, kind, caption, container, left, top, width, height, fontFamily, fontPoints, fontBold, readOnly, numeric, tabPosition, spokenName) {
    Module.page.control(screen, UTF8ToString(key), kind, UTF8ToString(caption), UTF8ToString(container), left, top, width, height, UTF8ToString(fontFamily), fontPoints, fontBold, readOnly, numeric, tabPosition, UTF8ToString(spokenName));
  },
  page_shortcut: function(screen, key, control) {
    Module.page.shortcut(screen, UTF8ToString(key), UTF8ToString(control));
  },
  page_screen_done: function(screen, defaultButton, firstFocus) {
    Module.page.screenDone(screen, UTF8ToString(defaultButton), UTF8ToString(firstFocus));
  },
  page_text: function(screen, key, text) {
    Module.page.text(screen, UTF8ToString(key), UTF8ToString(text));
  },
  page_selected: function(screen, key, selected) {
    Module.page.selected(screen, UTF8ToString(key), selected);
  },
  page_checked: function(screen, key, checked) {
    Module.page.checked(screen, UTF8ToString(key), checked);
  },
  page_items: function(screen, key, count, lines, highlights) {
    // `count` strings one after another, each ended by a NUL.
    const strings = (at) => {
      const all = [];
      for (let i = 0; i < count; ++i) {
        const text = UTF8ToString(at);
        all.push(text);
        at += lengthBytesUTF8(text) + 1;
      }
      return all;
    };
    Module.page.items(screen, UTF8ToString(key), strings(lines), strings(highlights));
  },
  page_picture: function(screen, key, name, description) {
    Module.page.picture(screen, UTF8ToString(key), UTF8ToString(name), UTF8ToString(description));
  },
  page_picture_line: function(x1, y1, x2, y2, rgb, width) {
    Module.page.pictureLine(x1, y1, x2, y2, rgb, width);
  },
  page_picture_text: function(x, y, rgb, text) {
    Module.page.pictureText(x, y, rgb, UTF8ToString(text));
  },
  page_open: function(screen) {
    Module.page.open(screen);
  },
  page_hide: function(screen) {
    Module.page.hide(screen);
  },
  page_ended: function() {
    Module.page.ended();
  },
  page_internal_error: function(text) {
    Module.page.internalError(UTF8ToString(text));
  },
  page_print_sheet: function() {
    Module.page.printSheet();
  },
  page_print_text: function(x, y, fontFamily, points, bold, rgb, text) {
    Module.page.printText(x, y, UTF8ToString(fontFamily), points, bold, rgb, UTF8ToString(text));
  },
  page_print_line: function(x1, y1, x2, y2, rgb, width) {
    Module.page.printLine(x1, y1, x2, y2, rgb, width);
  },
  page_print_rect: function(x, y, width, height, rgb, filled, lineWidth) {
    Module.page.printRect(x, y, width, height, rgb, filled, lineWidth);
  },
  page_print_picture: function(x, y, width, height, fontFamily, points) {
    Module.page.printPicture(x, y, width, height, UTF8ToString(fontFamily), points);
  },
  page_print_picture_line: function(x1, y1, x2, y2, rgb, width) {
    Module.page.printPictureLine(x1, y1, x2, y2, rgb, width);
  },
  page_print_picture_text: function(x, y, rgb, text) {
    Module.page.printPictureText(x, y, rgb, UTF8ToString(text));
  },
  page_print_font: function(fontFamily, points) {
    Module.page.printFont(UTF8ToString(fontFamily), points);
  },
  page_print_lines_line: function(text) {
    Module.page.printLinesLine(UTF8ToString(text));
  },
  page_print_end: function() {
    Module.page.printEnd();
  },
});
