// A process header reaching up into the project: the layering check must
// refuse it.
#pragma once
#include "image/RasterImage.h"
#include "project/Project.h"
