// The menu classes in one include: items, popup menus, menu bars and their message routing.
#pragma once

#include "framework/win/menus/MainMenu.h"
#include "framework/win/menus/MenuItem.h"
#include "framework/win/menus/MenuItemPainter.h"
#include "framework/win/menus/MenuMessages.h"
#include "framework/win/menus/PopupMenu.h"
#include "framework/win/menus/ShortCuts.h"

// Makes TMenuItem, TPopupMenu and TMainMenu known to form data (idempotent).
void RegisterMenuClasses();
