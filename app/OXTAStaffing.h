#pragma once

#include <QStringList>

class TLogin;

// Start-up of the program.

// True when Qt has somewhere to draw: QT_QPA_PLATFORM chosen, or an X11 or Wayland display.
bool HayPantalla();

// Teaches the report of unhandled errors to describe the database layer's errors ("ADO",
// the operation and the engine's description). Inicia calls it; calling it again adds nothing.
void RegistraErroresDeDatos();

// Sets the application's title and icon, stores the first argument (after the program name)
// as UsuarioGet, and shows the sign-in form. Needs the QApplication to exist.
TLogin* Inicia(const QStringList& argumentos);

// The program: checks for a display, creates the QApplication, starts and runs the message
// loop until the last form closes.
int OXTAStaffingMain(int argc, char** argv);
