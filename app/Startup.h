#pragma once

class QApplication;

// Application-wide settings made before the main window exists: font, dark style sheet,
// the translation catalogue named after the system locale (from the working directory). Qt's
// own catalogue and the window icon follow once the first window has been painted.
void SetUpApplication(QApplication& app);
