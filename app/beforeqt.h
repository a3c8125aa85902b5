#pragma once

// What the program settles before Qt starts; on Windows, that Qt's plugins
// come from the program's own folder alone, and a mark that the program
// runs, held until it ends.
void beforeQtStarts();
