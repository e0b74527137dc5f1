"""Tab switching: each tab shows its page, caption and icon; the home tab hides the bar."""

from clavora_e2e import check, ctl

# Tab item ID -> (page layout, caption text, picture name).
PAGES = {
    ctl.kTabKeys: (ctl.kKeyLayout, 51, "keys"),
    ctl.kTabMacros: (ctl.kMacroLayout, 52, "macros"),
    ctl.kTabLight: (ctl.kLightLayout, 53, "light"),
    ctl.kTabSettings: (ctl.kSettingsLayout, 56, "settings"),
}
LAYOUTS = (ctl.kHomeLayout, ctl.kKeyLayout, ctl.kLightLayout, ctl.kMacroLayout, ctl.kSettingsLayout)
PAGE_AREA = (80, 50, 1279, 719)


def only_page_shown(ui, layout):
    return all(ui.shown(other) == (other == layout) for other in LAYOUTS)


def test_tab_switching_shows_each_page(e2e):
    app = e2e.start()
    app.wait_ui(lambda u: u.shown(ctl.kTabBar) and only_page_shown(u, ctl.kKeyLayout), "the key page")
    shots = {}
    # Light before keys, so that every page is entered from another one.
    for tab in (ctl.kTabMacros, ctl.kTabLight, ctl.kTabSettings, ctl.kTabKeys):
        layout, caption, name = PAGES[tab]
        app.click_tab(tab)
        ui = app.wait_ui(lambda u: only_page_shown(u, layout) and u.text(ctl.kPageCaption) == e2e.text(caption)
                         and u.control(ctl.kTabBar)["selected"] == u.item(ctl.kTabBar, id=tab)["index"],
                         f"the {name} page")
        check(ui.shown(ctl.kPageIcon), f"no page icon on the {name} page")
        shot = app.screenshot(save=f"page-{name}")
        check(len(shot.colours(PAGE_AREA, step=4)) > 20, f"the {name} page is nearly empty")
        check(not shot.is_uniform(ui.rect(ctl.kPageIcon)), f"the {name} page icon is not drawn")
        for other, picture in shots.items():
            check(shot.difference(picture, PAGE_AREA) > 0.02, f"the {name} page looks like the {other} page")
        shots[name] = shot

    app.click_tab(ctl.kTabHome)
    ui = app.wait_ui(lambda u: only_page_shown(u, ctl.kHomeLayout) and not u.shown(ctl.kTabBar)
                     and u.text(ctl.kPageCaption) == "", "the home page with the tab bar hidden")
    check(ui.text(ctl.kStatusText) == e2e.text(60), "the home page does not offer the connected keyboard")
    shot = app.screenshot(save="page-home")
    check(shot.difference(shots["keys"], (1, 60, 79, 464)) > 0.05, "the tab bar is still drawn on the home page")

    # Choosing the keyboard on the home page brings the bar back with the key page.
    app.click_rect(ui.item(ctl.kDeviceList, data=201)["rect"])
    app.wait_ui(lambda u: u.shown(ctl.kTabBar) and only_page_shown(u, ctl.kKeyLayout), "the key page again")
