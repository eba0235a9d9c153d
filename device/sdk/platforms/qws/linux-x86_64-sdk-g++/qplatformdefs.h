#include "../../linux-g++/qplatformdefs.h"
