#include "ZOKApp.h"

TZOKApp *GetZOKApp()
{
    return dynamic_cast<TZOKApp *>(GetApp());
}
