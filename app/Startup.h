#pragma once

class Modulo1;

// Page values in twips derived from the printer's page extents.
struct PageMetrics {
    int PageBottom = 0; // below it printing goes on on a new page of the document
    int PageTop = 0;    // position of the first line of a document
    int PageLeft = 0;   // position of the start of every line
};

// floor(h x 16 / 17), floor(h / 60), floor(w / 15).
PageMetrics ComputePageMetrics(int pageHeight, int pageWidth);

// The start-up run once when the main window loads: printer and page, the
// texts every printed document repeats, the copied coordinates, the
// common-point table, the settings file and the NTv2 grid remembered.
void RunStartup(Modulo1& m);
