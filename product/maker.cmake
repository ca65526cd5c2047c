# The maker's details that the About box and the status bar show. They are
# product configuration: change them here, nowhere else.
set(KV_MAKER_COMPANY "Korvane Microelectronics Co., Ltd.")
set(KV_MAKER_TELEPHONE "+86 10 6288 2841")
set(KV_MAKER_FAX "+86 10 6288 2842")
set(KV_MAKER_WEB "www.korvane.com")
set(KV_MAKER_EMAIL "support@korvane.com")
