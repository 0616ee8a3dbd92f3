#pragma once
// The biorhythm reading: the input screen baio, the run, the written diagnosis,
// the month graph and the result screen sindan with its printing.

#include <functional>
#include <string>

#include "shell/screen_id.h"
#include "ui/services.h"

namespace bio {

class Program;
struct Page;

// Sets baio's load action and the command handlers of baio and sindan.
void installBiorhythm(Program& p);

// baio's load action: the last person and today's date into the boxes.
void loadBaio(Program& p);
// Command4 "セット": the person of the record numbered in Text12.
void takeRegisterPerson(Program& p);
// Command1 " バイオリズム実行" and Enter: a fresh result screen, then the run.
void startReading(Program& p);

// The reading for one person, from baio's boxes to the finished result screen.
void runbio(Program& p);
// The four number boxes and the nine-line diagnosis of the target date on sindan.
void diagtext(Program& p);
// The month graph of the 1st of the target month on sindan.Picture1.
void drawgraph(Program& p);
// The weekday letters of that graph.
void drawdaylabels(Program& p);

// The message page onto the printer, without ending the document.
void printdiag(Program& p);
// Menu commands of sindan.
void messeji(Program& p);
void gurafu(Program& p);
void ryouinsatu(Program& p);

// The one-page report of the reading on sindan.
Page sindanReport(Program& p);

// A picture box of a screen as the printer takes it.
PictureSource pictureOf(Program& p, ScreenId id, const std::string& control);
// Sends the document; false (after telling the user) when the printer refused it.
bool finishDocument(Program& p);
// A report command: the printer dialog, then the page `compose` makes as a
// document of its own. Cancel prints nothing.
void printReport(Program& p, const std::function<Page(Program&)>& compose);

}  // namespace bio
