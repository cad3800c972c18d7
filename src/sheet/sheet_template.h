#pragma once

class QTextDocument;

// Fills an empty document with the record sheet's heading: the logo, the title, a rule
// and the project fields, ending in the empty paragraph where reports are appended.
void fillSheetTemplate(QTextDocument* document);
