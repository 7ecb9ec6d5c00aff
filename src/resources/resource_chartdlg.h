// Resource ids of the chart property window, its three pages, the label dialog and the moving-average
// and trend dialogs.
#pragma once

// Templates
#define IDD_CHART_PROPERTIES 5000
#define IDD_CURVE_PAGE 5004
#define IDD_AXIS_PAGE 5007
#define IDD_CHART_PAGE 5011
#define IDD_LABEL_PROPERTIES 5012
#define IDD_MOVING_AVERAGE 5013
#define IDD_TREND 5014

// Previews of the hatched fill patterns (horizontal, vertical, forward and backward diagonal, cross,
// diagonal cross) named by the curve page's pictures.
#define IDB_HATCH_HORIZONTAL 5003
#define IDB_HATCH_VERTICAL 5005
#define IDB_HATCH_FDIAGONAL 5006
#define IDB_HATCH_BDIAGONAL 5008
#define IDB_HATCH_CROSS 5009
#define IDB_HATCH_DIAGCROSS 5010

// Apply on every page and dialog
#define IDC_APPLY 5002

// Labels whose texts come from the diagram's text tables
#define IDC_BGCOL 1001
#define IDC_EXTCOL 1002
#define IDC_INTCOL 1003
#define IDC_SNAPRANGE 1004
#define IDC_SEL_XAXIS 1005
#define IDC_SEL_YAXIS 1006
#define IDC_SELCURVE 1007
#define IDC_EDLABEL 1008
#define IDC_EDSTYLE 1009
#define IDC_EDLINEWIDTH 1010
#define IDC_EDMARKERSIZE 1011
#define IDC_EDTYPE 1012
#define IDC_EDLINECOLOR 1013
#define IDC_FRLABEL 1014
#define IDC_AXLABEL 1015
#define IDC_DECPLACES 1016
#define IDC_TICKSZ 1017
#define IDC_GRIDSTYLE 1018
#define IDC_AXCOL 1019
#define IDC_AXMIN 1020
#define IDC_AXMAX 1021
#define IDC_ARROWSZ 1022
#define IDC_AXMARKSZ 1023
#define IDC_AXADJ 1024
#define IDC_GRIDCOL 1025
#define IDC_AXSTEPWIDTH 1026

// Property window
#define IDC_PROP_TAB 6073

// Controls shared by several templates
#define IDC_PROP_COLOR 6007      // colour button: axis, curve, label background
#define IDC_CBVISIBLE 6009       // axis and curve visible
#define IDC_PROP_TITLE 6010      // axis and curve title
#define IDC_PROP_MARKERSIZE 6022 // axis legend marker size, curve marker size
#define IDC_SPIN_MARKERSIZE 6023
#define IDC_PROP_TYPE 6034 // curve drawing type, moving-average type

// Chart page
#define IDC_BGCOLOR 6047
#define IDC_INNERCOLOR 6048
#define IDC_PLOTCOLOR 6049
#define IDC_CBSHOWLEGEND 6050
#define IDC_LEGENDSIDE 6051
#define IDC_CBDOUBLEBUFFER 6052
#define IDC_XAXISLIST 6055
#define IDC_CURVELIST 6057
#define IDC_YAXISLIST 6070
#define IDC_SPIN_SNAPRANGE 6074
#define IDC_SNAPRANGEVALUE 6075
#define IDC_CBSNAP 6076

// Axis page
#define IDC_AXSCFONT 6001
#define IDC_AXFONT 6002
#define IDC_AXMAXVALUE 6013
#define IDC_CBGRID 6014
#define IDC_CBTIMEAXIS 6015
#define IDC_DECIMALS 6016
#define IDC_SPIN_DECIMALS 6017
#define IDC_ARROWSIZE 6018
#define IDC_SPIN_ARROWSIZE 6019
#define IDC_TICKLENGTH 6020
#define IDC_SPIN_TICKLENGTH 6021
#define IDC_STEPVALUE 6024
#define IDC_MINDATE 6025
#define IDC_MINTIME 6026
#define IDC_MAXDATE 6029
#define IDC_MAXTIME 6030
#define IDC_GRIDCOLOR 6033
#define IDC_CBAUTOSCALE 6039
#define IDC_AXMINVALUE 6040
#define IDC_TIMEFORMAT 6046
#define IDC_CBSHOWMARKERS 6058
#define IDC_GRIDSTYLELIST 6072
#define IDC_AXSIDE 6077
#define IDC_TIMESTEP 6081
#define IDC_TIMESTEPUNIT 6083

// Curve page
#define IDC_FILLTARGET 1000
#define IDC_SPIN_LINEWIDTH 6006
#define IDC_LINESTYLE 6008
#define IDC_CBFILL 6011
#define IDC_CBTRANSPARENT 6012
#define IDC_FILL_VERTICAL 6027
#define IDC_FILL_FDIAGONAL 6028
#define IDC_FILL_DIAGCROSS 6031
#define IDC_FILL_SOLID 6032
#define IDC_LINEWIDTH 6035
#define IDC_CBMARKER 6038
#define IDC_FILL_BDIAGONAL 6042
#define IDC_FILL_CROSS 6043
#define IDC_FILL_HORIZONTAL 6045
#define IDC_RDSYM 6059
#define IDC_SYMBOL 6060
#define IDC_MARKERTYPE 6062
// The pictures beside the fill-pattern radios, in the radios' order
#define IDC_FILLPREVIEW_HORIZONTAL 6085
#define IDC_FILLPREVIEW_VERTICAL 6086
#define IDC_FILLPREVIEW_FDIAGONAL 6087
#define IDC_FILLPREVIEW_BDIAGONAL 6088
#define IDC_FILLPREVIEW_CROSS 6089
#define IDC_FILLPREVIEW_DIAGCROSS 6090
#define IDC_FILLPREVIEW_SOLID 6091

// Label dialog
#define IDC_LABELBORDER 6054
#define IDC_LABELALIGN 6056
#define IDC_LABELFONT 6068
#define IDC_LABELCURVE 6071
#define IDC_LABELTRANSPARENT 6078

// Moving-average and trend dialogs
#define IDC_WINDOWSIZE 6063
#define IDC_SPIN_WINDOWSIZE 6064
#define IDC_SPIN_EXTENSION 6069
#define IDC_EXTENSION 6079
#define IDC_MAXDEGREE 6082
#define IDC_SPIN_MAXDEGREE 6084
