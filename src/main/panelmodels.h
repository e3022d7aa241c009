#pragma once
// Geometry of the model panel forms.
#include "tpanelform.h"

extern const _PanelModel_s PanelKX7026GModel;
extern const _PanelModel_s PanelKX7050Model;
extern const _PanelModel_s PanelKG7124iModel;
extern const _PanelModel_s PanelKG7124Model;
extern const _PanelModel_s PanelKM20CXModel;
extern const _PanelModel_s PanelKM20XModel;
