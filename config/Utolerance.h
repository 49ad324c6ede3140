#pragma once
// The nominal thickness tables "tt_p.txt" and "tt_s.txt" and their lookups.
#include <QString>

// Read <directory>/tt_p.txt or tt_s.txt into Shared().PipeTable / SheetTable; failures are
// reported once through ReportError and start-up goes on.
void LoadPipeTable(const QString& directory);
void LoadSheetTable(const QString& directory);

// The recommendation for an outer diameter D (m) and a required thickness t (mm);
// "see Help" when no row covers it, "Error!" (after a report) when the table is absent.
QString LookupPipeRecommendation(float outerDiameter, float thicknessMm);
QString LookupSheetRecommendation(float thicknessMm);
