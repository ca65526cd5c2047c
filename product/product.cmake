# The product's details: the maker shown in the About box and the status bar,
# the brand, and the release that the version box, the status bar and the
# package name. They are product configuration: change them here, nowhere
# else. The version number itself is the one of project() in CMakeLists.txt.
set(KV_MAKER_COMPANY "Korvane Microelectronics Co., Ltd.")
set(KV_MAKER_TELEPHONE "+86 10 6288 2841")
set(KV_MAKER_FAX "+86 10 6288 2842")
set(KV_MAKER_WEB "www.korvane.com")
set(KV_MAKER_EMAIL "support@korvane.com")
set(KV_BRAND "Korvane")
# The status bar follows the version with the build: V1.0.0.18.1001.
set(KV_BUILD "18.1001")
set(KV_RELEASE_YEAR 2018)
set(KV_RELEASE_MONTH 10)
set(KV_RELEASE_DAY 1)
# The program's id on the desktop (desktop entry, icon, AppStream): the
# maker's web domain reversed, then the program, as in com.korvane.kv2841a.
string(REGEX REPLACE "^www\\." "" kv_maker_domain "${KV_MAKER_WEB}")
string(REPLACE "." ";" kv_maker_domain "${kv_maker_domain}")
list(REVERSE kv_maker_domain)
list(JOIN kv_maker_domain "." kv_maker_domain)
set(KV_DESKTOP_ID "${kv_maker_domain}.${PROJECT_NAME}")
