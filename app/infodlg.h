// The About box: program name and version, what it is for, where more files are found.
#pragma once

class QWidget;

void InfoZeigen(QWidget* eltern);
