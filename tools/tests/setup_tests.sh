#!/bin/bash
# tools/setup.sh against an apt that fails the ways a half-synced mirror makes
# it fail, and on machines that do or do not run 32-bit x86 code: the package
# tools, the assembler and linker of the 32-bit probe and mount are replaced by
# small stand-ins on PATH that log their calls, and the kernel's table of
# program formats by a folder, so nothing is installed and the machine is not touched.
#   setup_tests.sh WORK
set -euo pipefail
work=${1:?work folder}
source "$(dirname "$0")/../lib.sh"
setup=$lib_tools/setup.sh
rm -rf "$work" && mkdir -p "$work/bin"
bin=$work/bin

stand_in() { printf '#!/bin/bash\n%s\n' "$2" >"$bin/$1" && chmod +x "$bin/$1"; }
# apt-get: update fails the first $UPDATE_FAILS times; install succeeds, fails
# unless it is told the release suite (-t), or always fails, after $INSTALL.
stand_in apt-get '
echo "apt-get $*" >>"$LOG"
case $* in
  *update*)
    n=$(cat "$LOG.updates" 2>/dev/null || echo 0); echo $((n + 1)) >"$LOG.updates"
    ((n >= UPDATE_FAILS)) || { echo "E: File has unexpected size (Mirror sync in progress?)" >&2; exit 100; } ;;
  *install*)
    case $INSTALL in
      ok) ;;
      skew) [[ " $* " == *" -t "* ]] || { echo "E: Unable to correct problems, you have held broken packages." >&2; exit 100; } ;;
      broken) echo "E: Unable to locate package" >&2; exit 100 ;;
    esac ;;
esac'
stand_in dpkg-query '[[ $ALL_INSTALLED == 1 ]] && echo installed; exit 0'
stand_in dpkg 'echo i386'
stand_in sleep 'exit 0'
stand_in sudo 'exec "$@"'
stand_in locale 'printf "%s\n" en_US.utf8 ru_RU.utf8 uk_UA.utf8 be_BY.utf8 de_DE.utf8 sv_SE.utf8'
stand_in locale-gen 'echo "locale-gen $*" >>"$LOG"'
# The probe "runs" with the exit code $PROBE: 0 native, 3 through an emulator,
# 126 as the kernel refuses a 32-bit program.
stand_in as 'while (($#)); do [[ $1 == -o ]] && touch "$2"; shift; done'
stand_in ld 'while (($#)); do [[ $1 == -o ]] && printf "#!/bin/sh\nexit %s\n" "$PROBE" >"$2" && chmod +x "$2"; shift; done'
stand_in mount 'echo "mount $*" >>"$LOG"'

codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
no32="runs no 32-bit x86 code natively"
# name | update failures | install | all installed | probe | program formats | exit code
#   | updates | installs | registered | in the output
# (program formats: "mounted", "unmounted", or "locked", where nothing can be registered)
cases=(
  "mirror mid-sync, then in step|2|ok|0|0|mounted|0|3|1|0|"
  "update never succeeds|99|ok|0|0|mounted|0|3|1|0|going on with the indexes that arrived"
  "version skew between architectures|0|skew|0|0|mounted|0|1|2|0|candidates of $codename"
  "nothing can be installed|0|broken|0|0|mounted|1|1|2|0|could not install"
  "everything already there|0|broken|1|0|mounted|0|0|0|0|"
  "no 32-bit code: the emulator installed and registered|0|ok|0|126|unmounted|0|1|2|1|$no32"
  "no 32-bit code, emulator already registered|0|broken|1|3|mounted|0|0|0|0|$no32"
  "no 32-bit code, nothing can be registered|0|ok|1|126|locked|1|0|0|0|could not register"
)
for c in "${cases[@]}"; do
  IFS='|' read -r name updateFails install allInstalled probe formats wantCode wantUpdates wantInstalls \
    wantRegistered wantText <<<"$c"
  export LOG=$work/log UPDATE_FAILS=$updateFails INSTALL=$install ALL_INSTALLED=$allInstalled PROBE=$probe
  export QUELLORA_BINFMT=$work/binfmt
  rm -rf "$LOG" "$LOG.updates" "$QUELLORA_BINFMT" && mkdir "$QUELLORA_BINFMT"
  case $formats in
    mounted) touch "$QUELLORA_BINFMT/register" ;;
    locked) mkdir "$QUELLORA_BINFMT/register" ;;
  esac
  code=0
  PATH=$bin:$PATH bash "$setup" >"$work/out" 2>&1 || code=$?
  updates=$(cat "$LOG" 2>/dev/null | grep -c ' update' || true)
  installs=$(cat "$LOG" 2>/dev/null | grep -c ' install' || true)
  problem=""
  [[ $code == "$wantCode" ]] || problem+=" exit $code (want $wantCode);"
  [[ $updates == "$wantUpdates" ]] || problem+=" $updates updates (want $wantUpdates);"
  [[ $installs == "$wantInstalls" ]] || problem+=" $installs installs (want $wantInstalls);"
  [[ -z $wantText ]] || grep -qF -- "$wantText" "$work/out" || problem+=" no \"$wantText\" in the output;"
  if [[ $install == skew ]] && ! grep -q -- "install .* -t $codename " "$LOG"; then
    problem+=" the second install did not take the $codename candidates;"
  fi
  registered=0
  grep -qs ':qemu-i386:M::.*:/usr/bin/qemu-i386-static:F$' "$QUELLORA_BINFMT/register" && registered=1
  [[ $registered == "$wantRegistered" ]] || problem+=" emulator registered: $registered (want $wantRegistered);"
  if ((wantRegistered)) && ! grep -q 'install .*qemu-user-static' "$LOG"; then
    problem+=" qemu-user-static was not installed;"
  fi
  if [[ $formats == unmounted ]] && ! grep -q 'mount -t binfmt_misc' "$LOG"; then
    problem+=" the table of program formats was not mounted;"
  fi
  if [[ $probe == 0 ]] && grep -qF "$no32" "$work/out"; then
    problem+=" says \"$no32\" on a machine that does;"
  fi
  if [[ -n $problem ]]; then
    fail "$name:$problem"; sed 's/^/    /' "$work/out"
  else
    echo "ok   $name"
  fi
done
exit $((failures > 0))
