// Everything the framework offers, for convenience.
#pragma once

#include "framework/AfxTypes.h"
#include "framework/CObject.h"
#include "framework/CString.h"
#include "framework/CObList.h"
#include "framework/Exceptions.h"
#include "framework/COleDateTime.h"
#include "framework/CTime.h"
#include "framework/Geometry.h"
