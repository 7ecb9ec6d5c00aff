// String-table ids of the framework's data exchange messages (texts in src/resources/AfxDlgStrings.rc).
// The block 0xF200-0xF20F belongs to these strings only.
#pragma once

#define AFX_IDP_PARSE_INT 0xF200
#define AFX_IDP_PARSE_UINT 0xF201
#define AFX_IDP_PARSE_REAL 0xF202
#define AFX_IDP_PARSE_INT_RANGE 0xF203
#define AFX_IDP_PARSE_REAL_RANGE 0xF204
#define AFX_IDP_PARSE_STRING_SIZE 0xF205
