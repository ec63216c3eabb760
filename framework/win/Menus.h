// The menu classes in one include: items, popup menus, menu bars and their message routing.
#pragma once

#include "framework/win/MainMenu.h"
#include "framework/win/MenuItem.h"
#include "framework/win/MenuItemPainter.h"
#include "framework/win/MenuMessages.h"
#include "framework/win/PopupMenu.h"
#include "framework/win/ShortCuts.h"

// Makes TMenuItem, TPopupMenu and TMainMenu known to form data (idempotent).
void RegisterMenuClasses();
