#pragma once

class QApplication;

// What the program settles before Qt starts. On Windows: Qt's plugins come
// from the program's own folder alone, whatever another program has put in
// the environment; and a mark that the program runs, which its installer
// and uninstaller look for, is held until it ends.
void beforeQtStarts();

// What the program sets up once before the window is built: its name, the
// Song face every caption is drawn in, and Qt's own Chinese texts.
void prepareApplication(QApplication &app);
