#pragma once

#include "app/Platform.h"
#include "datum/CommonPointTable.h"
#include "datum/Ntv2Grid.h"
#include "datum/SystemChangePages.h"
#include "geodesy/ReferenceSystems.h"
#include "windows/CopiedCoordinates.h"

#include <QString>
#include <memory>

using tervano::CopiedCoordinatesRecord;
using tervano::CopiedKind;

// State shared by the windows, one instance for the whole run, owned by the
// application and handed to every window.
class Modulo1 {
public:
    explicit Modulo1(Platform p) : platform(p) {}

    Platform platform;

    // Printer and page (twips). Stored as 32-bit so tall pages cannot overflow.
    bool PrinterPresent = false;
    int PageBottom = 0;
    int PageTop = 0;
    int PageLeft = 0;

    // Texts every printed document repeats.
    QString HeaderRule;
    QString HeaderProduct;
    QString HeaderVersion;
    QString HeaderPoint;
    QString GapWide;
    QString GapNarrow;
    QString AngleUnitLine;

    // Settings.
    int AngleUnit = 1;       // 1..4
    int LongitudeOrigin = 1; // 1 Monte Mario, 2 Greenwich

    // Print queue: a document has been started with its header.
    bool QueueOpen = false;

    CopiedCoordinatesRecord CopiedCoordinates;

    // Common-point table; when loading failed, commonPointsError says why (Italian).
    CommonPointTable commonPoints;
    bool commonPointsLoaded = false;
    QString commonPointsError;

    // The user's NTv2 grid for the run (app/UserGrid.h): the file, the grid
    // read from it, and the system its source is taken as (ROMA40 or ED50; its
    // target is WGS84). gridError says why a grid remembered from an earlier
    // run is not available (Italian), until the user picks another.
    QString gridPath;
    std::shared_ptr<const tervano::Ntv2Grid> grid;
    tervano::System gridSource = tervano::System::ROMA40;
    QString gridError;
    // The method of the change of system the user chose last.
    tervano::ChangeMethod changeMethod = tervano::ChangeMethod::Table;
};
