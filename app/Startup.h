#pragma once

class QApplication;

// Application-wide settings made before the main window exists: font, dark style sheet,
// the translation catalogue named after the system locale (from the working directory), icon.
void SetUpApplication(QApplication& app);
