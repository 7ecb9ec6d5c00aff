#include "charting/DLGTEXTELEMENT.h"

#include "resources/resource_chartdlg.h"

#include <initializer_list>

namespace
{
struct TextEntry
{
    int iId;
    const char* lpszText;
};

constexpr TextEntry kCommon[] = {{DLGTEXT_CAPTION, "Einstellungen"},
                                 {DLGTEXT_TAB_TITLE, nullptr},
                                 {IDCANCEL, "Abbrechen"},
                                 {IDC_APPLY, "Übernehmen"}};

void Fill(DlgTextTable& table, const char* lpszTabTitle, std::initializer_list<TextEntry> entries)
{
    table.RemoveAll();
    for (const TextEntry& entry : kCommon)
        table.Add({entry.iId, entry.lpszText != nullptr ? entry.lpszText : lpszTabTitle});
    for (const TextEntry& entry : entries)
        table.Add({entry.iId, entry.lpszText});
}
} // namespace

void GetDefaultCurvePageTexts(DlgTextTable& table)
{
    Fill(table, "Meßkurve",
         {{IDC_EDLABEL, "Bezeichn."},
          {IDC_EDSTYLE, "Stil"},
          {IDC_EDLINEWIDTH, "Linienbreite"},
          {IDC_EDMARKERSIZE, "Meßpunktgröße"},
          {IDC_EDTYPE, "Linienart"},
          {IDC_EDLINECOLOR, "Linienfarbe"},
          {IDC_CBVISIBLE, "Sichtbar"},
          {IDC_FRLABEL, "Bezeichner"},
          {IDC_CBMARKER, "Markierung"},
          {IDC_MARKERTYPE, "Typ"},
          {IDC_RDSYM, "Symbol"},
          {IDC_CBFILL, "Füllen"},
          {IDC_CBTRANSPARENT, "Transparent"}});
}

void GetDefaultAxisPageTexts(DlgTextTable& table)
{
    Fill(table, "Achse",
         {{IDC_AXLABEL, "Bezeichner"},
          {IDC_AXFONT, "Bez. Schriftart"},
          {IDC_AXSCFONT, "Schriftart"},
          {IDC_CBVISIBLE, "Sichtbar"},
          {IDC_CBVISIBLE, "Sichtbar"},
          {IDC_CBAUTOSCALE, "Aut. anpassen"},
          {IDC_CBSHOWMARKERS, "Markierung"},
          {IDC_CBGRID, "Raster"},
          {IDC_CBTIMEAXIS, "Zeitachse"},
          {IDC_DECPLACES, "Dezimalstellen"},
          {IDC_ARROWSZ, "Pfeilgröße"},
          {IDC_TICKSZ, "Schrittgröße"},
          {IDC_AXMARKSZ, "Mark.Größe"},
          {IDC_GRIDSTYLE, "Rasterstil"},
          {IDC_AXADJ, "Position"},
          {IDC_AXCOL, "Farbe"},
          {IDC_GRIDCOL, "Rasterfarbe"},
          {IDC_AXMIN, "Minimum"},
          {IDC_AXMAX, "Maximum"},
          {IDC_AXSTEPWIDTH, "Teilung"}});
}

void GetDefaultChartPageTexts(DlgTextTable& table)
{
    Fill(table, "Diagramm",
         {{IDC_BGCOL, "Hintergrund"},
          {IDC_EXTCOL, "Außen"},
          {IDC_INTCOL, "Innen"},
          {IDC_CBSHOWLEGEND, "Legende"},
          {IDC_CBSNAP, "Fangen"},
          {IDC_SNAPRANGE, "Fangradius"},
          {IDC_SEL_XAXIS, "X-Achse"},
          {IDC_SEL_YAXIS, "Y-Achse"},
          {IDC_SELCURVE, "Kurve"},
          {IDC_CBDOUBLEBUFFER, "Pufferung"}});
}
