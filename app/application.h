#pragma once

class QApplication;

// Sets up what the whole application shares, once, before the window is
// built: its name, the form's face and Qt's own texts in Chinese.
void prepareApplication(QApplication &app);
