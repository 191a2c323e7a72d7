#pragma once
// Resource ids of Ambrelo.dll (the type library is TYPELIB 1).
#define IDB_TOOLBOX 101
#define IDB_ABOUT_PICTURE 102
