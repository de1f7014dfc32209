#pragma once
// The screens Sarmo is made of, each under the name the program and its
// menus open it by.

class ScreenRegistry;

void registerScreens(ScreenRegistry &registry);
