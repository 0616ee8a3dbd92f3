#pragma once
// The menu's two ways to look at the register, ten records a page on hyouji,
// shown in front of the menu.

namespace bio {

class Program;

// Empties the sixty record boxes of hyouji.
void hcls(Program& p);
// menyu.Command3: asks for a name and lists the records whose name contains it.
void search(Program& p);
// menyu.Command5: lists every record, page after page.
void browse(Program& p);

}  // namespace bio
