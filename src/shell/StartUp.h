#pragma once
// Program start: the main window, the splash over it, then the database.
// Returns false when the database could not be opened (the program ends).
bool StartUp();
bool OpenDatabaseFile();
