// Usage: node minify.cjs INPUT OUTPUT
// One of the page's JavaScript modules, or emscripten's glue, made small for
// the first visit with Debian's terser (names inside the module shortened,
// dead code dropped; what it exports and imports kept).
const fs = require('node:fs');
const { minify } = require('terser');

const [input, output] = process.argv.slice(2);
minify(fs.readFileSync(input, 'utf8'), { module: true, compress: true, mangle: true })
  .then((result) => fs.writeFileSync(output, result.code))
  .catch((error) => {
    console.error(`${input}: ${error.message}`);
    process.exit(1);
  });
