# Sourced by the scripts that need a virtual display of their own.
# start_xvfb FOLDER SCREEN: starts Xvfb on a free display (SCREEN like
# 1024x768x24), using FOLDER for its hand-shake; sets XVFB_PID and DISPLAY.
start_xvfb() {
  local fifo=$1/displayfd num
  rm -f "$fifo" && mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "$2" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  read -r -t 20 num <"$fifo" || { echo "Xvfb did not start" >&2; kill "$XVFB_PID" 2>/dev/null; rm -f "$fifo"; exit 1; }
  rm -f "$fifo"
  export DISPLAY=:$num
}
