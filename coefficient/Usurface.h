#pragma once
// The four computations of the outer surface coefficient h on the open calculation form.
// Each reads the form's lines and the dialog's fields, checks them (a refusal is a message
// and an early end), runs the engine's iteration and stores h as
// WorkingValues.SurfaceCoefficient. Each tells how it ended; which errors leave which one
// is part of each contract below.
class TInsideOutside;

enum class HOutcome {
    Stored,  // h is in WorkingValues.SurfaceCoefficient
    Refused, // an entry was refused with a message; nothing was stored
    Silent,  // the iteration found no h (a zero dimension, an arithmetic error); no message
};

// Indoor pipe, "vertical" or "horizontal". An emissivity that is not a number falls back
// to WorkingValues.Emissivity; a line text that is not a number leaves as ConversionError.
HOutcome InsidePipeCoefficient(TInsideOutside& dialog);

// Outdoor pipe in wind. Texts that are not numbers leave as ConversionError.
HOutcome OutsidePipeCoefficient(TInsideOutside& dialog);

// Indoor sheet of the dialog's height, which is stored as WorkingValues.SheetHeight.
// A text that is not a number is reported here and ends the computation.
HOutcome InsideSheetCoefficient(TInsideOutside& dialog);

// Outdoor sheet in wind along its height; reports bad texts as the indoor sheet does.
HOutcome OutsideSheetCoefficient(TInsideOutside& dialog);
