# shellcheck shell=bash
# The second of two builds that must give the same bytes differs from the
# first wherever a careless build would let it show: a longer folder, a later
# time, another umask, locale and time zone (a POSIX rule, which needs no
# tzdata: UTC+14).
#   quill_variant_env   prints the variable settings, for env(1)
#   quill_variant_umask prints the umask
quill_variant_env() { echo TZ=KIT-14 LC_ALL=POSIX LANG=POSIX LANGUAGE=; }
quill_variant_umask() { echo 0002; }
