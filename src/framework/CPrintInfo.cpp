#include "framework/CPrintInfo.h"

#include "framework/CPrintDialog.h"

CPrintInfo::CPrintInfo() : m_pPD(std::make_unique<CPrintDialog>(FALSE)) {}

CPrintInfo::~CPrintInfo() = default;
