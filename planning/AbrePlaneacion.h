#pragma once

class TSeleccionaTipo;

// Connects the plan type chooser's two branches to the planning forms: "Porcentaje" opens
// TPuestos and "Mes" opens TMes, modally, with the chooser's connection, company and user.
void ConectaPlaneacion(TSeleccionaTipo& tipo);
