#pragma once

class QApplication;

// Names the program, loads its artwork and sets the look every window shares.
void configureApplication(QApplication& application);
