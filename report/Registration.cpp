#include "Registration.h"
